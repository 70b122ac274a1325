// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slottable.h"
#include "fileio/fileresult.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cuelist::cardexport {

// What goes to the card: a playlist and the folder its MP3 files are looked up in.
struct ExportSource
{
    SlotTable table;
    std::string playlistName;   // the file name to give the playlist on the card (UTF-8)
    std::string dataFolderPath; // the playlist's data folder; need not exist
};

enum class ProblemKind {
    TargetMissing,       // path: the target
    TargetNotFolder,     // path: the target
    TargetReadOnly,      // path: the folder that cannot be written (the target or its DATA)
    TargetIsSource,      // path: the target, which holds the playlist's own data folder
    TargetBusy,          // path: the target; another export to it is running
    CardDataNotFolder,   // path: TARGET/DATA, which is a file
    PlaylistNotWritable, // file: why the card's playlist cannot be replaced
    FileMissing,         // name: NAME.MP3 is not in the data folder
    FileUnreadable,      // name; file: why it cannot be read
    FileTooLarge,        // name, path; size: 4 GiB or more
    NameNotFat,          // name: a character a FAT card cannot hold
    CaseClash,           // name, other: two files whose names differ only in letter case
    CardEntryNotFile,    // name: the card's DATA holds a folder or a special file of that name
    NoSpace,             // size: bytes needed, available: bytes free
    ExtraFiles,          // names: files in the card's DATA that the playlist does not name
    StaleTemporaries,    // names: leftovers of an interrupted export, removed before copying
};

// One finding of the plan. Only ExtraFiles and StaleTemporaries let the export go on.
struct Problem
{
    ProblemKind kind = ProblemKind::TargetMissing;
    std::string name;  // a file name in the data folder, UTF-8
    std::string other; // CaseClash: the other spelling
    std::string path;
    fileio::FileResult file;        // FileUnreadable, PlaylistNotWritable
    std::uint64_t size = 0;         // FileTooLarge, NoSpace
    std::uint64_t available = 0;    // NoSpace
    std::vector<std::string> names; // ExtraFiles, StaleTemporaries

    bool blocksExport() const
    {
        return kind != ProblemKind::ExtraFiles && kind != ProblemKind::StaleTemporaries;
    }
};

// One MP3 file to copy.
struct PlannedFile
{
    std::string name;       // the slot's NAME.MP3, UTF-8
    std::string sourcePath; // as found in the data folder (letter case ignored)
    std::string cardName;   // the name in the card's DATA
    std::uint64_t size = 0;
    bool replaces = false; // the card holds a file of that name now
};

// Everything an export will do, worked out before anything is written.
struct ExportPlan
{
    std::string target;         // the card folder, with a trailing "/"
    std::string cardDataFolder; // the card's DATA folder with "/" (may not exist yet)
    bool createDataFolder = false;
    std::string cardPlaylistPath; // where the playlist goes
    bool replacesPlaylist = false;
    std::vector<PlannedFile> files;  // in the order of their names
    std::vector<std::string> extras; // names in the card's DATA the playlist does not name
    std::vector<std::string> stale;  // leftover temporary files, "DATA/" prefixed where there
    std::uint64_t bytesToCopy = 0;   // the MP3 files and the playlist
    std::uint64_t spaceNeeded = 0;   // with file-system blocks and the margin
    std::uint64_t spaceAvailable = 0;
    std::vector<Problem> problems;

    bool blocked() const;
};

// The largest file a FAT card holds is one byte under 4 GiB.
inline constexpr std::uint64_t kFatFileLimit = std::uint64_t(1) << 32;
// Room kept free beyond the exact need: a fixed part for the folder entries the copy adds,
// and a share of the data for file-system overhead the block count cannot see.
inline constexpr std::uint64_t kSpaceMarginFixed = 1024 * 1024;
inline constexpr std::uint64_t kSpaceMarginPercent = 2;

// Looks at the source and the target and lists every problem; changes nothing.
ExportPlan PlanExport(const ExportSource& source, const std::string& target);

// True when a card file system cannot hold the name (control characters, \ / : * ? " < > |,
// or a character that did not decode).
bool IsFatUnsafeName(const std::string& utf8Name);

// Whether a name is one of the temporary files an export makes (the file layer's temporary
// names with this suffix).
inline constexpr std::string_view kExportTemporarySuffix = ".tmp";
bool IsExportTemporaryName(const std::string& name);

} // namespace cuelist::cardexport
