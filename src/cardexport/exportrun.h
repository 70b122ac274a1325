// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exportplan.h"
#include "fileio/fileresult.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cuelist::cardexport {

enum class ExtraFiles { Keep, Remove };

// Called while the export runs, on the thread that runs it: bytes written and read back so
// far, the total, and the file at hand (UTF-8). Returning false cancels the export.
using ExportProgress =
    std::function<bool(std::uint64_t done, std::uint64_t total, const std::string& name)>;

enum class ExportOutcome {
    Done,
    Refused,   // the plan has problems that block it, or another export holds the card
    Cancelled, // nothing of the card changed except removed leftovers of an earlier run
    Failed,    // failure says why; the card's playlist is the old one or the new, never half
};

struct ExportReport
{
    ExportOutcome outcome = ExportOutcome::Done;
    std::size_t filesCopied = 0;
    std::uint64_t bytesCopied = 0;
    bool playlistWritten = false;
    std::vector<std::string> removedExtras;
    std::vector<std::string> keptExtras;
    std::vector<std::string> unremovedExtras; // asked to go, but the card refused
    std::size_t staleRemoved = 0;

    // Failed: the file and the reason. verifyMismatch says that the copy read back differs
    // from the source (failure.path names the file then).
    fileio::FileResult failure;
    bool verifyMismatch = false;
    std::string failedName; // UTF-8 name of the file being copied, or the playlist's

    std::vector<Problem> refusals; // Refused
};

// Carries out a plan: leftovers of an interrupted export go first; every MP3 file is then
// copied to a temporary name in the card's DATA, synced and verified by reading it back;
// only when all are verified are they renamed into place, and the playlist, written and
// verified the same way through the file layer, replaces the card's old one last. Extra
// files are removed after that, when asked. A cancel or a failure before the playlist
// leaves no temporary file and no new name behind. Blocking; progress may cancel.
ExportReport RunExport(const ExportPlan& plan, const SlotTable& table, ExtraFiles extras,
                       const ExportProgress& progress);

} // namespace cuelist::cardexport
