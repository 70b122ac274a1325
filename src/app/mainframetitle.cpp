// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"
#include "cuedoc.h"
#include "mainframe.h"
#include "text/messages.h"

namespace {

// Qt's place for the modified mark: a "*" while the window's isWindowModified() holds.
const QLatin1String kModifiedMark("[*]");

void SetTitle(QWidget* window, const QString& text)
{
    window->setWindowTitle(text + kModifiedMark);
}

} // namespace

void CMainFrame::OnUpdateFrameTitle(bool /*addToTitle*/)
{
    QString mainTitle = appTitle();
    CChildFrame* child = activeChild();
    if (!child) {
        setWindowModified(false);
        setWindowTitle(mainTitle);
        return;
    }

    QString childText;
    CCueDoc* doc = child->document();
    setWindowModified(doc && doc->isModified());
    if (child->view() && doc) {
        childText = child->windowTitle();
        childText.chop(childText.endsWith(kModifiedMark) ? kModifiedMark.size() : 0);
        if (child != m_rememberedChild) {
            doc->SetTitleRefreshDue(true);
            m_rememberedChild = child;
        }
        if (!doc->IsDataFolderKnown()) {
            if (childText != doc->title())
                SetTitle(child, doc->title());
            childText = doc->title();
        } else if (doc->IsTitleRefreshDue()) {
            doc->SetTitleRefreshDue(false);
            childText = doc->title() + cuelist::text::TotalDataSizeSuffix(doc->GetTotalDataSize());
            SetTitle(child, childText);
        }
    }

    // A maximised playlist window has no caption of its own: the main title carries it, in
    // the form the window area itself gives it, so that the area leaves it as it is.
    if (child->isMaximized())
        setWindowTitle(mainTitle + QLatin1String(" - [") + childText + kModifiedMark +
                       QLatin1Char(']'));
    else
        SetTitle(this, mainTitle + QLatin1String(" - ") + childText);
}
