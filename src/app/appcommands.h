// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>

class CommandTable;

// The editor's command set: menu texts, status prompts, tool tips, menu shortcuts and
// tool bar icons of every command, and the accelerator keys that are not menu shortcuts.
namespace AppCommands {

// Creates every command's action in the table and gives it its texts and icon.
void Configure(CommandTable& table);

// The View menu words its items differently with and without a playlist window.
void UseMenuTexts(CommandTable& table, bool playlistMenu);

struct Accelerator
{
    QKeySequence keys;
    int id = 0;
};
// Keys bound to commands outside the menus' own shortcuts (some to commands no one handles).
QList<Accelerator> Accelerators();

} // namespace AppCommands
