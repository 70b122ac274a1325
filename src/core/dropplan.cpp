// SPDX-License-Identifier: GPL-3.0-or-later
#include "dropplan.h"

namespace cuelist {

std::vector<int> FreeFramesFrom(const SlotTable& table, int channel, int start, int count)
{
    std::vector<int> frames;
    if (SlotTable::CheckSlotRange(start, channel) != kSlotDone)
        return frames;
    for (int frame = start; frame <= kFrameCount && int(frames.size()) < count; ++frame)
        if (table.RecordAt(frame, channel)[record::kType] == kTypeEmpty)
            frames.push_back(frame);
    return frames;
}

} // namespace cuelist
