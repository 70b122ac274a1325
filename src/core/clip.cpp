// SPDX-License-Identifier: GPL-3.0-or-later
#include "clip.h"

#include "playlistfile.h"

#include <algorithm>

namespace cuelist {

ClipKind ClassifyClip(std::span<const std::uint8_t> clip)
{
    switch (clip.size()) {
    case kPhraseClipSize:
        return ClipKind::Phrase;
    case kChannelClipSize:
        return ClipKind::Channel;
    default:
        return ClipKind::Invalid;
    }
}

std::optional<std::vector<std::uint8_t>> EncodePhraseClip(const SlotTable& table, int frame,
                                                          int channel)
{
    SlotRecord r;
    if (!table.GetSlotRecord(frame, channel, r))
        return std::nullopt;
    return std::vector<std::uint8_t>(r.begin(), r.end());
}

std::optional<std::vector<std::uint8_t>> EncodeChannelClip(const SlotTable& table, int channel)
{
    if (SlotTable::CheckSlotRange(1, channel) != kSlotDone)
        return std::nullopt;
    std::vector<std::uint8_t> clip;
    clip.reserve(kChannelClipSize);
    for (int frame = 1; frame <= kFrameCount; ++frame) {
        const SlotRecord& r = table.RecordAt(frame, channel);
        clip.insert(clip.end(), r.begin(), r.end());
    }
    return clip;
}

std::size_t RepairClip(std::span<std::uint8_t> clip)
{
    if (ClassifyClip(clip) == ClipKind::Invalid)
        return 0;
    std::size_t emptied = 0;
    for (std::size_t at = 0; at < clip.size(); at += kRecordSize) {
        SlotRecord r;
        std::copy_n(clip.begin() + std::ptrdiff_t(at), kRecordSize, r.begin());
        // Clips only ever land on editable channels.
        if (RepairRecord(r, 1))
            ++emptied;
        std::copy(r.begin(), r.end(), clip.begin() + std::ptrdiff_t(at));
    }
    return emptied;
}

bool PastePhraseClip(SlotTable& table, int frame, int channel, std::span<const std::uint8_t> clip)
{
    if (ClassifyClip(clip) != ClipKind::Phrase ||
        SlotTable::CheckSlotRange(frame, channel) != kSlotDone)
        return false;
    SlotRecord r;
    std::copy_n(clip.begin(), kRecordSize, r.begin());
    RepairRecord(r, channel);
    return table.PutSlotRecord(frame, channel, r);
}

bool PasteChannelClip(SlotTable& table, int channel, std::span<const std::uint8_t> clip)
{
    if (ClassifyClip(clip) != ClipKind::Channel ||
        SlotTable::CheckSlotRange(1, channel) != kSlotDone)
        return false;
    for (int frame = 1; frame <= kFrameCount; ++frame) {
        SlotRecord r;
        std::copy_n(clip.begin() + std::ptrdiff_t((frame - 1) * kRecordSize), kRecordSize,
                    r.begin());
        RepairRecord(r, channel);
        table.PutSlotRecord(frame, channel, r);
    }
    return true;
}

} // namespace cuelist
