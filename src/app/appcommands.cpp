// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcommands.h"

#include "commandids.h"
#include "commandtable.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>

namespace {

struct Definition
{
    int id;
    const char* menuText;
    const char* prompt; // status prompt, line feed, tool tip
    const char* shortcut;
    const char* icon;
    const char* otherShortcut = nullptr; // a second key for the same command
};

constexpr Definition kDefinitions[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Commands", "New PlayList(&N)"),
     QT_TRANSLATE_NOOP("Commands", "Create a new PlayList \n New PlayList"), "Ctrl+N", "new"},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Commands", "Open PlayList(&O)..."),
     QT_TRANSLATE_NOOP("Commands", "Open an existing PlayList \n Open"), "Ctrl+O", "open"},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Commands", "Close(&C)"),
     QT_TRANSLATE_NOOP("Commands", "Close active playlist \n Close"), nullptr, nullptr},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Commands", "Save(&S)"),
     QT_TRANSLATE_NOOP("Commands", "Save the active PlayList \n Save"), "Ctrl+S", "save"},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Commands", "Save As(&A)"),
     QT_TRANSLATE_NOOP("Commands", "Save the active PlayList with a new name\n Save As"), "Ctrl+A",
     nullptr},
    {ID_CSV_OUTPUT, QT_TRANSLATE_NOOP("Commands", "CSV File Output(&V)"),
     QT_TRANSLATE_NOOP("Commands", "Output the file name of playlist as CSV format \n CSV Output"),
     "Alt+C", "csv"},
    {ID_EXPORT_CARD, QT_TRANSLATE_NOOP("Commands", "Export to Card(&E)..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Copy the playlist and the MP3 files it names to a memory card, verified\n "
                       "Export to Card"),
     nullptr, nullptr},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Commands", "Print(&P)..."),
     QT_TRANSLATE_NOOP("Commands", "Print the cue sheet of the active PlayList\n Print"), "Ctrl+P",
     nullptr},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Commands", "Print Preview(&R)..."),
     QT_TRANSLATE_NOOP("Commands", "Show the pages of the cue sheet\n Print Preview"), nullptr,
     nullptr},
    {ID_FILE_EXPORT_PDF, QT_TRANSLATE_NOOP("Commands", "Export PDF(&D)..."),
     QT_TRANSLATE_NOOP("Commands", "Write the cue sheet as a PDF file\n Export PDF"), nullptr,
     nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Commands", "Exit(&X)"),
     QT_TRANSLATE_NOOP("Commands", "Exit application and save playlist \n Exit"), nullptr, nullptr},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Commands", "Undo(&U)"),
     QT_TRANSLATE_NOOP("Commands", "Undo the last edit\n Undo"), nullptr, "undo"},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Commands", "Redo(&R)"),
     QT_TRANSLATE_NOOP("Commands", "Redo the edit undone last\n Redo"), nullptr, "redo"},
    {ID_SELECT_FILE, QT_TRANSLATE_NOOP("Commands", "Select File(&F)"),
     QT_TRANSLATE_NOOP("Commands", "Select the file to be defined as phrase frame\n Select File"),
     nullptr, "selectfile"},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("Commands", "Cut(&T)    Ctrl+X"),
     QT_TRANSLATE_NOOP("Commands", "Cut the phrase and save on clipboard\n Cut"), nullptr, "cut"},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Commands", "Copy(&C)        Ctrl+C"),
     QT_TRANSLATE_NOOP("Commands", "Copy the phrase and save on clipboard\n Copy"), nullptr,
     "copy"},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Commands", "Paste(&P)    Ctrl+V"),
     QT_TRANSLATE_NOOP("Commands", "Paste the clipboard phrase\n Paste"), nullptr, "paste"},
    {ID_EDIT_DELETE, QT_TRANSLATE_NOOP("Commands", "Delete(&D)        DEL"),
     QT_TRANSLATE_NOOP("Commands", "Delete the phrase\n Delete"), nullptr, "delete"},
    {ID_OPEN_CONTENTS, QT_TRANSLATE_NOOP("Commands", "Open File Contents(&L)"),
     QT_TRANSLATE_NOOP("Commands", "Display and modify settings\nOpen contents"), nullptr,
     "contents"},
    {ID_PLAY_CHANNEL, QT_TRANSLATE_NOOP("Commands", "Play Channel(&W)  Ctrl+W"),
     QT_TRANSLATE_NOOP("Commands", "Play the setup data \n Play"), nullptr, "play"},
    {ID_FIND_MISSING, QT_TRANSLATE_NOOP("Commands", "Find Missing Files(&M)..."),
     QT_TRANSLATE_NOOP(
         "Commands",
         "List the files missing from the data folder and relink them\n Find Missing Files"),
     nullptr, nullptr},
    {ID_EDIT_FIND, QT_TRANSLATE_NOOP("Commands", "Find(&I)..."),
     QT_TRANSLATE_NOOP("Commands", "Find the slots that use a file\n Find"), "Ctrl+F", nullptr},
    {ID_EDIT_FIND_NEXT, QT_TRANSLATE_NOOP("Commands", "Find Next(&N)"),
     QT_TRANSLATE_NOOP("Commands", "Go to the next slot that uses the file\n Find Next"), "F3",
     nullptr},
    {ID_EDIT_FIND_PREVIOUS, QT_TRANSLATE_NOOP("Commands", "Find Previous(&V)"),
     QT_TRANSLATE_NOOP("Commands", "Go to the previous slot that uses the file\n Find Previous"),
     "Shift+F3", nullptr},
    {ID_RELINK_FILE, QT_TRANSLATE_NOOP("Commands", "Relink File(&K)..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Name another file of the data folder in every slot that uses the missing "
                       "file under the cursor\n Relink File"),
     "Ctrl+R", nullptr},
    {ID_VIEW_ZOOM_IN, QT_TRANSLATE_NOOP("Commands", "Zoom In(&Z)"),
     QT_TRANSLATE_NOOP("Commands", "Show the grid larger\n Zoom In"), "Ctrl++", nullptr, "Ctrl+="},
    {ID_VIEW_ZOOM_OUT, QT_TRANSLATE_NOOP("Commands", "Zoom Out(&O)"),
     QT_TRANSLATE_NOOP("Commands", "Show the grid smaller\n Zoom Out"), "Ctrl+-", nullptr},
    {ID_VIEW_ZOOM_ACTUAL, QT_TRANSLATE_NOOP("Commands", "Actual Size(&A)"),
     QT_TRANSLATE_NOOP("Commands", "Show the grid at its actual size\n Actual Size"), "Ctrl+0",
     nullptr},
    {ID_VIEW_ZOOM_FIT, QT_TRANSLATE_NOOP("Commands", "Fit All Frames(&F)"),
     QT_TRANSLATE_NOOP("Commands",
                       "Show the Channel column and all 16 frames in the window's width\n Fit All "
                       "Frames"),
     nullptr, nullptr},
    {ID_VIEW_DOCUMENT_TABS, QT_TRANSLATE_NOOP("Commands", "Document Tabs(&T)"),
     QT_TRANSLATE_NOOP("Commands", "Show the open playlists as tabs\n Document Tabs"), nullptr,
     nullptr},
    {ID_WINDOW_NEXT, QT_TRANSLATE_NOOP("Commands", "Next Window(&N)"),
     QT_TRANSLATE_NOOP("Commands", "Go to the next playlist window\n Next Window"), "Ctrl+F6",
     nullptr},
    {ID_WINDOW_PREVIOUS, QT_TRANSLATE_NOOP("Commands", "Previous Window(&P)"),
     QT_TRANSLATE_NOOP("Commands", "Go to the previous playlist window\n Previous Window"),
     "Ctrl+Shift+F6", nullptr},
    {ID_WINDOW_RECENT, QT_TRANSLATE_NOOP("Commands", "Recent Window"),
     QT_TRANSLATE_NOOP("Commands", "Go back to the playlist window used before\n Recent Window"),
     nullptr, nullptr},
    {ID_WINDOW_RECENT_BACK, QT_TRANSLATE_NOOP("Commands", "Recent Window Back"),
     QT_TRANSLATE_NOOP("Commands", "Go the other way through the windows used\n Recent Window"),
     nullptr, nullptr},
    {ID_WINDOW_CLOSE_ALL, QT_TRANSLATE_NOOP("Commands", "Close All(&A)"),
     QT_TRANSLATE_NOOP("Commands", "Close every playlist window\n Close All"), nullptr, nullptr},
    {ID_IMPORT_AUDIO, QT_TRANSLATE_NOOP("Commands", "Import Audio(&I)..."),
     QT_TRANSLATE_NOOP("Commands", "Encode audio files as MP3 into the data folder and set them "
                                   "from the cursor on\n Import Audio"),
     nullptr, nullptr},
    {ID_MATCH_LOUDNESS, QT_TRANSLATE_NOOP("Commands", "Match Loudness(&S)..."),
     QT_TRANSLATE_NOOP("Commands", "Set the volumes so that every phrase plays as loud as the "
                                   "quietest\n Match Loudness"),
     nullptr, nullptr},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Commands", "Status Bar(&B)"),
     QT_TRANSLATE_NOOP("Commands", "Display/hide the status bar\n Status Bar's Display Switch"),
     nullptr, nullptr},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "File Toolbar(&I)"),
     QT_TRANSLATE_NOOP("Commands", "Display/hide File Toolbar\n File Toolbar's Display Switch"),
     nullptr, nullptr},
    {ID_VIEW_EDIT_TOOLBAR, QT_TRANSLATE_NOOP("Commands", "Edit Toolbar(&U)"),
     QT_TRANSLATE_NOOP("Commands", "Display/hide Edit Toolbar\n Edit Toolbar's Display Switch"),
     nullptr, nullptr},
    {ID_HELP, QT_TRANSLATE_NOOP("Commands", "Help(&H)"),
     QT_TRANSLATE_NOOP("Commands", "Open the help\n Help"), nullptr, nullptr},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Commands", "Version Information(&R)"),
     QT_TRANSLATE_NOOP("Commands", "Display program informaition\nVersion Information"), nullptr,
     nullptr},
};

QString Tr(const char* text)
{
    return QCoreApplication::translate("Commands", text);
}

} // namespace

namespace AppCommands {

void Configure(CommandTable& table)
{
    for (const Definition& d : kDefinitions) {
        QAction* action = table.action(d.id);
        action->setText(Tr(d.menuText));
        const QString prompt = Tr(d.prompt);
        const qsizetype split = prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(prompt.left(split).trimmed());
        action->setToolTip(split < 0 ? action->statusTip() : prompt.mid(split + 1).trimmed());
        if (d.shortcut) {
            QList<QKeySequence> keys{QKeySequence(QLatin1String(d.shortcut))};
            if (d.otherShortcut)
                keys << QKeySequence(QLatin1String(d.otherShortcut));
            action->setShortcuts(keys);
        }
        if (d.icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(d.icon))));
    }
    // Undo and Redo take their keys from the accelerators; the menu shows the first of each.
    for (const Accelerator& accelerator : Accelerators())
        if ((accelerator.id == ID_EDIT_UNDO || accelerator.id == ID_EDIT_REDO) &&
            table.findAction(accelerator.id)->text().indexOf(QLatin1Char('\t')) < 0)
            table.setKeyText(accelerator.id, accelerator.keys.toString(QKeySequence::NativeText));
}

void UseMenuTexts(CommandTable& table, bool playlistMenu)
{
    table.action(ID_VIEW_TOOLBAR)
        ->setText(playlistMenu ? Tr(QT_TRANSLATE_NOOP("Commands", "File Toolbar(&I)"))
                               : Tr(QT_TRANSLATE_NOOP("Commands", "File Bar(&I)")));
    table.action(ID_VIEW_EDIT_TOOLBAR)
        ->setText(playlistMenu ? Tr(QT_TRANSLATE_NOOP("Commands", "Edit Toolbar(&U)"))
                               : Tr(QT_TRANSLATE_NOOP("Commands", "Edit Bar(&U)")));
}

QList<Accelerator> Accelerators()
{
    return {
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_Delete), ID_EDIT_DELETE},
        {QKeySequence(Qt::CTRL | Qt::Key_W), ID_PLAY_CHANNEL},
        {QKeySequence(Qt::Key_F1), ID_HELP},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), ID_EDIT_REDO},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ID_EDIT_REDO},
    };
}

} // namespace AppCommands
