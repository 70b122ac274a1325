// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slotrecord.h"

#include <array>
#include <string>

// What one preview plays: copies of a channel's 16 slot records, frames 1..16 in order,
// and the data folder that holds their files (file-system bytes, ending in "/").
struct PlayChannelJob final
{
    std::array<cuelist::SlotRecord, cuelist::kFrameCount> records{};
    std::string dataFolder;

    // The base name of a record: its name bytes up to the first space or zero byte.
    static std::string BaseName(const cuelist::SlotRecord& record);
    static int Interval(const cuelist::SlotRecord& record); // big-endian seconds
};
