// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/fileresult.h"
#include "transcode.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace cuelist {

// One file to import: its source and the name it gets in the data folder (NAME.MP3, UTF-8).
struct ImportItem
{
    std::string source;
    std::string name;
};

struct ImportItemResult
{
    TranscodeResult transcode; // the encoding
    fileio::FileResult file;   // creating or naming the new file
    bool taken = false;        // the name appeared in the data folder meanwhile (any case)
    bool ok() const { return transcode.ok() && file.ok() && !taken; }
};

struct ImportOutcome
{
    bool cancelled = false;              // then nothing was written
    std::vector<ImportItemResult> items; // index for index with the input
};

// Encodes every source as MP3 into dataFolder (a path ending in "/"). The new files are
// written unnamed (or under hidden temporary names) and appear under their names only when
// all are encoded, each without replacing anything; a file of the same name in any letter
// case counts as taken. A failed file leaves nothing behind and the others go on; a
// cancelled import leaves nothing at all. progress gets 0..1 for the whole import.
ImportOutcome ImportAudioFiles(const std::vector<ImportItem>& items, const std::string& dataFolder,
                               const EncodeSettings& settings,
                               const std::function<void(double)>& progress = {},
                               const std::atomic<bool>* cancel = nullptr);

} // namespace cuelist
