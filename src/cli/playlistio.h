// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "console.h"
#include "core/playlistfile.h"
#include "core/slottable.h"
#include "fileio/filelock.h"
#include "media/playlistdurations.h"
#include "media/playlistloudness.h"

#include <cstdint>
#include <QStringList>
#include <string>
#include <vector>

namespace cuelist::cli {

// A playlist read the way the editor opens one.
struct LoadedPlaylist
{
    SlotTable table;
    std::vector<RemovedRecord> removed; // what the load repair emptied
    bool isNew = false;                 // the file did not exist
    std::string path;
    std::uint64_t trailingBytes = 0; // bytes after the table, which saving drops
};

enum class IfMissing { Fail, StartEmpty };

// Reads the file and runs the load repair; the caller decides how to tell what the repair
// emptied. On failure reports the file and the reason, and returns false.
bool LoadPlaylist(const std::string& path, IfMissing ifMissing, Console& console,
                  LoadedPlaylist& loaded);

// Reports each record the load repair emptied, and bytes after the table, on standard error.
void NoteRemoved(const LoadedPlaylist& loaded, Console& console);

// What the load leaves out, one line each: the records the repair emptied and the bytes
// after the table.
QStringList LoadFindings(const LoadedPlaylist& loaded);

// An edit may only save without what the load left out when --repair allows it; otherwise
// reports what would be removed and returns false.
bool MayDropRemoved(const LoadedPlaylist& loaded, bool repair, Console& console);

// Opens a playlist for a read-change-write. Like the editor's save, a write only goes to a name
// with the playlist extension, so that a mistyped argument can never turn an MP3 or another
// file into a playlist; the file must be one a safe write may replace, and the lock is held
// from before the load. On failure reports why and returns the exit status; 0 when loaded.
int OpenForEdit(const std::string& path, IfMissing ifMissing, bool repair, fileio::FileLock& lock,
                LoadedPlaylist& loaded, Console& console);

// The lengths of the MP3 files the playlist names, through the editor's cache: lengths it
// measured are known here at once, and the other way round.
PlaylistDurations ReadDurations(const std::string& path, const SlotTable& table);

// The loudness of the MP3 files the playlist names, through the editor's cache.
PlaylistLoudness ReadLoudness(const std::string& path, const SlotTable& table);

// The playlist's data folder as it is on disk (ending in "/"), or empty when there is none.
std::string ExistingDataFolder(const std::string& path);

// Takes the playlist's lock for a read-change-write; on failure reports it.
bool LockPlaylist(const std::string& path, fileio::FileLock& lock, Console& console);

// Writes the whole table atomically; on failure reports the file and the reason.
bool SavePlaylist(const std::string& path, const SlotTable& table, Console& console);

// Writes bytes atomically, or to standard output for "-"; on failure reports the reason.
bool WriteOutputFile(const std::string& path, std::string_view bytes, Console& console);

// True for a name ending in ".slp" (any case) with something before it.
bool IsPlaylistFileName(const std::string& path);

// "path" as shown in messages.
QString PathText(const std::string& path);

} // namespace cuelist::cli
