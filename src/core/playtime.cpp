// SPDX-License-Identifier: GPL-3.0-or-later
#include "playtime.h"

namespace cuelist {

std::string RecordBaseName(const SlotRecord& record)
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

std::string Mp3CellName(const SlotRecord& record)
{
    if (record[record::kType] != kTypeMp3)
        return {};
    return RecordBaseName(record) + ".MP3";
}

ChannelPlayTime SlotPlayTime(const SlotRecord& record, std::optional<std::int64_t> duration)
{
    ChannelPlayTime time;
    if (record[record::kType] != kTypeMp3)
        return time;
    const int repeat = record[record::kRepeat];
    if (repeat == kEndlessRepeat) {
        time.endless = true;
        return time;
    }
    const std::int64_t plays = repeat + 1;
    const std::int64_t interval = std::int64_t(RecordInterval(record)) * 1000;
    if (duration && *duration >= 0)
        time.milliseconds = plays * (*duration + interval);
    else {
        time.unknown = 1;
        time.milliseconds = plays * interval;
    }
    return time;
}

ChannelPlayTime ChannelPlayTimeOf(const SlotTable& table, int channel,
                                  const DurationLookup& durationOf)
{
    ChannelPlayTime total;
    if (SlotTable::CheckSlotRange(1, channel) != kSlotDone)
        return total;
    for (int frame = 1; frame <= kFrameCount && !total.endless; ++frame) {
        const SlotRecord& record = table.RecordAt(frame, channel);
        if (record[record::kType] != kTypeMp3)
            continue;
        std::optional<std::int64_t> duration;
        if (durationOf)
            duration = durationOf(Mp3CellName(record));
        if (duration && *duration < 0) {
            total.stopFrame = frame;
            break;
        }
        const ChannelPlayTime part = SlotPlayTime(record, duration);
        total.endless = part.endless;
        total.unknown += part.unknown;
        total.milliseconds += part.milliseconds;
    }
    return total;
}

} // namespace cuelist
