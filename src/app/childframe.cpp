// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"

#include "cuedoc.h"
#include "cuesheetcommands.h"
#include "cueview.h"

#include <QCloseEvent>
#include <QMenu>

CChildFrame::CChildFrame(CCueDoc* doc, QWidget* parent) : QMdiSubWindow(parent), m_doc(doc)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // No minimise or restore buttons: a playlist window is always maximised.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/playlist.png")));
    setWindowTitle(QStringLiteral("playlist"));
    // The window menu's own keys (Ctrl+W and Ctrl+F4 close) would make the editor's
    // accelerators ambiguous, so that neither runs; Close stays on the File menu.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcut(QKeySequence());
    m_doc->setParent(this);
    m_view = new CCueView(m_doc, this);
    m_doc->addView(m_view);
    setWidget(m_view);
    connect(m_doc, &CCueDoc::closeRequested, this, &CChildFrame::closeWithoutAsking);
    m_sheet = new CueSheetCommands(m_doc, this);
}

bool CChildFrame::handlesCommand(int id) const
{
    return m_sheet->handlesCommand(id);
}

void CChildFrame::runCommand(int id)
{
    m_sheet->runCommand(id);
}

CChildFrame::~CChildFrame()
{
    // The view refers to the document: it goes first.
    m_doc->removeView(m_view);
    delete m_view;
    delete m_doc;
}

void CChildFrame::closeWithoutAsking()
{
    m_closeConfirmed = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closeConfirmed && !m_doc->SaveModified()) {
        event->ignore();
        return;
    }
    m_closeConfirmed = true;
    QMdiSubWindow::closeEvent(event);
}
