// SPDX-License-Identifier: GPL-3.0-or-later
#include "playchanneljob.h"

using namespace cuelist;

int PlayChannelJob::Interval(const SlotRecord& record)
{
    return record[record::kIntervalHigh] << 8 | record[record::kIntervalLow];
}
