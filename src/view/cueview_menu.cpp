// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandids.h"
#include "commandtable.h"
#include "core/clip.h"
#include "cuedoc.h"
#include "cueview.h"
#include "playlistclipboard.h"
#include "playlisteditor.h"

#include <QCursor>
#include <QMenu>

namespace {

QAction* AddCommand(QMenu& menu, const QString& text, int id, bool enabled)
{
    QAction* action = menu.addAction(text);
    action->setData(id);
    action->setEnabled(enabled);
    return action;
}

} // namespace

void CCueView::ShowContextMenu(int column, int row)
{
    const int channel = row + 1;
    const CCueDoc* doc = document();
    const bool empty = !doc || doc->table().TypeAt(column, channel) == cuelist::kTypeEmpty;

    QMenu menu(this);
    if (column >= 1) {
        const QString text =
            empty ? tr("Select File(&F)", "empty slot") : tr("Select File(&F)", "occupied slot");
        AddCommand(menu, text, ID_SELECT_FILE, true);
        menu.addSeparator();
    }
    AddCommand(menu, tr("Cut(&T)"), ID_EDIT_CUT, true);
    AddCommand(menu, tr("Copy(&C)"), ID_EDIT_COPY, true);

    // Never asks the clipboard's owner: a program that does not answer would freeze the menu.
    const PlaylistClipboard::Known clip = PlaylistClipboard::known();
    if (!clip.ours) {
        AddCommand(menu, tr("Paste(&P)"), ID_EDIT_PASTE, false);
    } else if (clip.hasRecords) {
        const bool fits = (column >= 1 && clip.size == qsizetype(cuelist::kPhraseClipSize)) ||
                          (column == 0 && clip.size == qsizetype(cuelist::kChannelClipSize));
        AddCommand(menu, tr("Paste(&P)"), ID_EDIT_PASTE, fits);
    }

    AddCommand(menu, tr("Delete(&D)"), ID_EDIT_DELETE, true);
    if (column == 0) {
        menu.addSeparator();
        const bool playable = doc && doc->table().ChannelHasSlots(channel);
        AddCommand(menu, tr("Play(&W)"), ID_PLAY_CHANNEL, playable);
    }

    QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen)
        return;
    // The command's enabling rule is asked again before it runs.
    if (CommandTable* table = CommandTable::instance())
        table->execute(chosen->data().toInt());
}
