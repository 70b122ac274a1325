// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcommands.h"
#include "commandids.h"
#include "commandtable.h"
#include "mainframe.h"
#include "windowmenu.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

// One menu; a zero id stands for a separator.
QMenu* MakeMenu(QWidget* owner, CommandTable* commands, const QString& title,
                std::initializer_list<int> ids)
{
    auto* menu = new QMenu(title, owner);
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(commands->action(id));
    }
    // Like every other place that shows commands, an opening menu shows their current state.
    QObject::connect(menu, &QMenu::aboutToShow, commands, &CommandTable::updateStates);
    return menu;
}

} // namespace

void CMainFrame::createMenus()
{
    CommandTable* c = m_commands;
    m_windowMenu = new WindowMenu(m_mdi, c, this);
    m_noPlaylistMenus = {
        MakeMenu(this, c, tr("File(&F)"),
                 {ID_FILE_NEW, ID_FILE_OPEN, 0, ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 1,
                  ID_FILE_MRU_FILE1 + 2, ID_FILE_MRU_FILE1 + 3, 0, ID_APP_EXIT}),
        MakeMenu(this, c, tr("View(&V)"),
                 {ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR, ID_VIEW_EDIT_TOOLBAR}),
        MakeMenu(this, c, tr("Help(&H)"), {ID_HELP, ID_APP_ABOUT}),
    };
    m_playlistMenus = {
        MakeMenu(this, c, tr("File(&F)"),
                 {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, 0, ID_FILE_SAVE, ID_FILE_SAVE_AS, 0,
                  ID_IMPORT_AUDIO, ID_CSV_OUTPUT, ID_EXPORT_CARD, 0, ID_FILE_PRINT,
                  ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_PDF, 0, ID_APP_EXIT}),
        MakeMenu(this, c, tr("Edit(&E)"),
                 {ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_SELECT_FILE, 0, ID_EDIT_CUT, ID_EDIT_COPY,
                  ID_EDIT_PASTE, ID_EDIT_DELETE, 0, ID_OPEN_CONTENTS, ID_PLAY_CHANNEL, 0,
                  ID_EDIT_FIND, ID_EDIT_FIND_NEXT, ID_EDIT_FIND_PREVIOUS, ID_FIND_MISSING,
                  ID_RELINK_FILE, ID_MATCH_LOUDNESS}),
        MakeMenu(this, c, tr("View(&V)"),
                 {ID_VIEW_STATUS_BAR, ID_VIEW_TOOLBAR, ID_VIEW_EDIT_TOOLBAR, 0, ID_VIEW_ZOOM_IN,
                  ID_VIEW_ZOOM_OUT, ID_VIEW_ZOOM_ACTUAL, ID_VIEW_ZOOM_FIT, 0,
                  ID_VIEW_DOCUMENT_TABS}),
        m_windowMenu->menu(),
        MakeMenu(this, c, tr("Help(&H)"), {ID_HELP, ID_APP_ABOUT}),
    };
    m_playlistMenuShown = true; // so that the first call builds the bar
    showMenuSet(false);
}

void CMainFrame::showMenuSet(bool playlist)
{
    if (playlist == m_playlistMenuShown)
        return;
    m_playlistMenuShown = playlist;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QMenu* menu : playlist ? m_playlistMenus : m_noPlaylistMenus)
        bar->addMenu(menu);
    AppCommands::UseMenuTexts(*m_commands, playlist);
}

void CMainFrame::createAccelerators()
{
    // Menu shortcuts work whichever menu bar is shown.
    for (int id :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_CSV_OUTPUT, ID_VIEW_ZOOM_IN,
          ID_VIEW_ZOOM_OUT, ID_VIEW_ZOOM_ACTUAL, ID_EDIT_FIND, ID_EDIT_FIND_NEXT,
          ID_EDIT_FIND_PREVIOUS, ID_RELINK_FILE, ID_WINDOW_NEXT, ID_WINDOW_PREVIOUS})
        addAction(m_commands->action(id));
    for (const AppCommands::Accelerator& accelerator : AppCommands::Accelerators()) {
        auto* shortcut = new QShortcut(accelerator.keys, this);
        const int id = accelerator.id;
        connect(shortcut, &QShortcut::activated, m_commands,
                [this, id] { m_commands->execute(id); });
    }
}
