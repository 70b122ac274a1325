// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlistloudness.h"

#include "core/datafolder.h"
#include "core/names.h"
#include "core/playtime.h"

namespace cuelist {

PlaylistLoudness ReadPlaylistLoudness(const SlotTable& table, const std::string& dataFolderPath,
                                      LoudnessCache& cache, int threads)
{
    PlaylistLoudness loudness;
    for (int channel = 1; channel <= kEditableChannelCount; ++channel)
        for (int frame = 1; frame <= kFrameCount; ++frame)
            if (const std::string name = Mp3CellName(table.RecordAt(frame, channel)); !name.empty())
                loudness.try_emplace(name);
    const DataFolderListing folder(dataFolderPath);
    std::vector<std::string> names;
    std::vector<std::string> paths;
    for (const auto& [name, value] : loudness) {
        if (std::string path = folder.PathOf(Cp932ToUtf8(name)); !path.empty()) {
            names.push_back(name);
            paths.push_back(std::move(path));
        }
    }
    const auto values = ReadLoudness(paths, cache, threads);
    for (std::size_t i = 0; i < names.size(); ++i)
        loudness[names[i]] = values[i];
    return loudness;
}

} // namespace cuelist
