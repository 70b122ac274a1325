// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/playtime.h"
#include "core/slottable.h"
#include "durationcache.h"

#include <map>
#include <optional>
#include <string>

namespace cuelist {

// The play lengths of the MP3 files a playlist names, keyed by cell name (NAME.MP3 in CP932
// bytes, as Mp3CellName gives it): none for a file missing from the data folder or
// unreadable. Measured files go into the cache; the caller saves it.
using PlaylistDurations = std::map<std::string, std::optional<std::int64_t>>;
PlaylistDurations ReadPlaylistDurations(const SlotTable& table, const std::string& dataFolderPath,
                                        DurationCache& cache, int threads = 2);

// A look-up over such a map for ChannelPlayTimeOf.
DurationLookup LookupIn(const PlaylistDurations& durations);

} // namespace cuelist
