// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slottable.h"
#include "loudness.h"

#include <map>
#include <optional>
#include <string>

namespace cuelist {

// The loudness of the MP3 files a playlist names, keyed by cell name (NAME.MP3 in CP932
// bytes, as Mp3CellName gives it): none for a file missing from the data folder or with no
// decodable audio. Measured files go into the cache; the caller saves it.
using PlaylistLoudness = std::map<std::string, std::optional<Loudness>>;
PlaylistLoudness ReadPlaylistLoudness(const SlotTable& table, const std::string& dataFolderPath,
                                      LoudnessCache& cache, int threads = 2);

} // namespace cuelist
