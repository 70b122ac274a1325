// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlistfile.h"

#include <algorithm>

namespace cuelist {

void ReadImage(SlotTable& table, std::span<const std::uint8_t> image)
{
    const std::size_t count = std::min(image.size(), kImageSize);
    std::copy_n(image.begin(), count, table.Bytes().begin());
}

std::vector<std::uint8_t> BuildImage(const SlotTable& table)
{
    const auto bytes = table.Bytes();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

PrecheckResult ScanImage(std::span<const std::uint8_t> image)
{
    PrecheckResult found;
    const std::size_t count = std::min(image.size(), kImageSize);
    const std::size_t editableEnd = std::size_t(kEditableChannelCount) * kFrameCount * kRecordSize;
    for (std::size_t at = 0; at < count; at += kRecordSize) {
        const std::uint8_t type = image[at];
        if (at < editableEnd)
            found.unknownType = found.unknownType || (type != kTypeEmpty && type != kTypeMp3);
        else
            found.unknownChannel = found.unknownChannel || type != kTypeEmpty;
    }
    return found;
}

bool RepairRecord(SlotRecord& r, int channel)
{
    const std::uint8_t type = r[record::kType];
    const bool usable = channel <= kEditableChannelCount ? (type == kTypeEmpty || type == kTypeMp3)
                                                         : type == kTypeEmpty;
    if (!usable)
        r = EmptyRecord();
    if (r[record::kType] == kTypeMp3) {
        r[record::kLow] = 15;
        r[record::kHigh] = 15;
    }
    return !usable;
}

std::vector<RemovedRecord> RepairAfterLoad(SlotTable& table)
{
    std::vector<RemovedRecord> removed;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            SlotRecord& r = table.RecordAt(frame, channel);
            const std::uint8_t type = r[record::kType];
            if (RepairRecord(r, channel))
                removed.push_back({channel, frame, type});
        }
    }
    return removed;
}

} // namespace cuelist
