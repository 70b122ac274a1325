#pragma once

#include "console.h"
#include "core/playlistfile.h"
#include "core/slottable.h"

#include <string>
#include <vector>

namespace cuelist::cli {

// A playlist read the way the editor opens one.
struct LoadedPlaylist
{
    SlotTable table;
    std::vector<RemovedRecord> removed; // what the load repair emptied
    bool isNew = false;                 // the file did not exist
};

enum class IfMissing { Fail, StartEmpty };

// Reads the file and runs the load repair, reporting each emptied record on standard
// error. On failure reports the file and the reason, and returns false.
bool LoadPlaylist(const std::string& path, IfMissing ifMissing, Console& console,
                  LoadedPlaylist& loaded);

// Writes the whole table atomically; on failure reports the file and the reason.
bool SavePlaylist(const std::string& path, const SlotTable& table, Console& console);

// Writes bytes atomically; on failure reports the file and the reason.
bool WriteOutputFile(const std::string& path, std::string_view bytes, Console& console);

// "path" as shown in messages.
QString PathText(const std::string& path);

} // namespace cuelist::cli
