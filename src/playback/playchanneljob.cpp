// SPDX-License-Identifier: GPL-3.0-or-later
#include "playchanneljob.h"

using namespace cuelist;

std::string PlayChannelJob::BaseName(const SlotRecord& record)
{
    std::string name;
    for (std::size_t i = 0; i < record::kNameLength; ++i) {
        const auto byte = record[record::kName + i];
        if (byte == ' ' || byte == 0)
            break;
        name.push_back(static_cast<char>(byte));
    }
    return name;
}

int PlayChannelJob::Interval(const SlotRecord& record)
{
    return record[record::kIntervalHigh] << 8 | record[record::kIntervalLow];
}
