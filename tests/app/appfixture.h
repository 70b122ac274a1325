// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slottable.h"

#include <QList>
#include <QObject>
#include <QString>

class CChildFrame;
class CMainFrame;

// Helpers shared by the shell's tests: playlist files on disk, frames and menus.
namespace AppFixture {

// Writes the table's file image to path.
bool WritePlaylist(const QString& path, const cuelist::SlotTable& table);
// Writes a file of the given size (an MP3 stand-in).
bool WriteFile(const QString& path, qint64 size);
// The playlist windows of the frame, in creation order.
QList<CChildFrame*> Children(const CMainFrame& frame);
// Top-level menu titles of the frame's menu bar.
QStringList MenuTitles(const CMainFrame& frame);
// Item texts of the menu titled title ("-" for a separator; "text\tshortcut" where one is set).
QStringList MenuItems(const CMainFrame& frame, const QString& title);
// Forgets what earlier tests left in the profile.
void ClearProfile();

} // namespace AppFixture
