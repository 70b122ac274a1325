// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"

#include "cuedoc.h"
#include "cueview.h"
#include "playlisteditor.h"

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
    m_editor = new PlaylistEditor(m_doc, this);
    m_view = new CCueView(m_editor, this);
    setWidget(m_view);
    connect(m_editor, &PlaylistEditor::closeRequested, this, &CChildFrame::closeWithoutAsking);
}

CChildFrame::~CChildFrame()
{
    // The view refers to the editor, the editor to the document: they go in that order.
    delete m_view;
    delete m_editor;
    delete m_doc;
}

void CChildFrame::closeWithoutAsking()
{
    m_closeConfirmed = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closeConfirmed && !m_editor->SaveModified()) {
        event->ignore();
        return;
    }
    m_closeConfirmed = true;
    QMdiSubWindow::closeEvent(event);
}
