// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slotrecord.h"

#include <algorithm>

// Where the cell cursor of a playlist window stands: the grid column (0 the Channel column,
// 1..16 the frames, -1 beside the columns) and the channel (1..127; 0 while the grid has no
// current row, when the phrase commands act on channel 1).
struct SlotPos
{
    int column = 0;
    int channel = 0;

    bool onPhrase() const { return column != 0; }
    // The slot the phrase commands act on.
    int frame() const { return std::clamp(column, 0, cuelist::kFrameCount); }
    int slotChannel() const { return std::max(channel, 1); }
    bool operator==(const SlotPos&) const = default;
};
