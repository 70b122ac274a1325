// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlistdurations.h"

#include "core/datafolder.h"
#include "core/names.h"

namespace cuelist {

PlaylistDurations ReadPlaylistDurations(const SlotTable& table, const std::string& dataFolderPath,
                                        DurationCache& cache, int threads)
{
    PlaylistDurations durations;
    for (int channel = 1; channel <= kEditableChannelCount; ++channel)
        for (int frame = 1; frame <= kFrameCount; ++frame)
            if (const std::string name = Mp3CellName(table.RecordAt(frame, channel)); !name.empty())
                durations.try_emplace(name);

    const DataFolderListing folder(dataFolderPath);
    std::vector<std::string> names;
    std::vector<std::string> paths;
    for (const auto& [name, length] : durations) {
        if (std::string path = folder.PathOf(Cp932ToUtf8(name)); !path.empty()) {
            names.push_back(name);
            paths.push_back(std::move(path));
        }
    }
    const auto lengths = ReadDurations(paths, cache, threads);
    for (std::size_t i = 0; i < names.size(); ++i)
        durations[names[i]] = lengths[i];
    return durations;
}

DurationLookup LookupIn(const PlaylistDurations& durations)
{
    // Every file was looked for and measured: none means missing or unreadable.
    return [&durations](const std::string& name) -> std::optional<std::int64_t> {
        const auto it = durations.find(name);
        return it == durations.end() || !it->second ? kUnplayable : *it->second;
    };
}

} // namespace cuelist
