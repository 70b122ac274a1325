// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"

#include "appicon.h"
#include "commandids.h"
#include "cuedoc.h"
#include "cuesheetcommands.h"
#include "cueview.h"
#include "exportcardcontroller.h"
#include "playlisteditor.h"
#include "slotfinder.h"
#include "zoomcommands.h"

#include <QCloseEvent>
#include <QMenu>

CChildFrame::CChildFrame(CCueDoc* doc, QWidget* parent) : QMdiSubWindow(parent), m_doc(doc)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // No minimise or restore buttons: a playlist window is always maximised.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ResourceIcon(QStringLiteral(":/icons/playlist.png")));
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
    m_zoom = new ZoomCommands(m_view);
    m_finder = new SlotFinder(m_view, this);
    m_sheet = new CueSheetCommands(m_doc, this);
}

CChildFrame::~CChildFrame()
{
    // The view refers to the editor, the editor to the document: they go in that order.
    delete m_zoom;
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

bool CChildFrame::handlesCommand(int id) const
{
    return id == ID_EXPORT_CARD || m_zoom->handlesCommand(id) || m_finder->handlesCommand(id) ||
           m_sheet->handlesCommand(id);
}

void CChildFrame::runCommand(int id)
{
    if (id == ID_EXPORT_CARD)
        ExportCardController(window()).run(
            {m_doc->table(), m_doc->playlistPath(), m_doc->dataFolderPath()});
    else if (m_zoom->handlesCommand(id))
        m_zoom->runCommand(id);
    else if (m_finder->handlesCommand(id))
        m_finder->runCommand(id);
    else if (m_sheet->handlesCommand(id))
        m_sheet->runCommand(id);
}

std::optional<CommandState> CChildFrame::commandState(int id) const
{
    if (auto state = m_zoom->commandState(id))
        return state;
    return m_finder->commandState(id);
}
