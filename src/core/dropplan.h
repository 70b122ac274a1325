// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

#include <vector>

namespace cuelist {

// Where files dropped together go in one channel: consecutive frames from `start` on, each
// frame that already holds something skipped. Holds fewer than `count` frames when the files
// run out past frame 16; none for a channel outside 1..127 or a frame outside 1..16.
std::vector<int> FreeFramesFrom(const SlotTable& table, int channel, int start, int count);

} // namespace cuelist
