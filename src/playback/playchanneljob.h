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
};
