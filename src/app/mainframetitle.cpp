// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"
#include "cuedoc.h"
#include "mainframe.h"
#include "text/messages.h"

void CMainFrame::OnUpdateFrameTitle(bool /*addToTitle*/)
{
    QString mainTitle = appTitle();
    CChildFrame* child = activeChild();
    if (!child) {
        setWindowTitle(mainTitle);
        return;
    }

    QString childText;
    CCueDoc* doc = child->document();
    if (child->view() && doc) {
        childText = child->windowTitle();
        if (child != m_rememberedChild) {
            doc->SetTitleRefreshDue(true);
            m_rememberedChild = child;
        }
        if (!doc->IsDataFolderKnown()) {
            if (childText != doc->title())
                child->setWindowTitle(doc->title());
            childText = doc->title();
        } else if (doc->IsTitleRefreshDue()) {
            doc->SetTitleRefreshDue(false);
            childText = doc->title() + cuelist::text::TotalDataSizeSuffix(doc->GetTotalDataSize());
            child->setWindowTitle(childText);
        }
    }

    // A maximised playlist window has no caption of its own: the main title carries it.
    if (child->isMaximized())
        mainTitle += QLatin1String(" - [") + childText + QLatin1Char(']');
    else
        mainTitle += QLatin1String(" - ") + childText;
    setWindowTitle(mainTitle);
}
