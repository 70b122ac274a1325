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

namespace {

// The caller has checked the range of every frame the clip covers.
void PutClipRecords(SlotTable& table, int firstFrame, int channel,
                    std::span<const std::uint8_t> clip)
{
    for (std::size_t at = 0; at < clip.size(); at += kRecordSize) {
        SlotRecord r;
        std::copy_n(clip.begin() + std::ptrdiff_t(at), kRecordSize, r.begin());
        RepairRecord(r, channel);
        table.PutSlotRecord(firstFrame + int(at / kRecordSize), channel, r);
    }
}

} // namespace

bool PastePhraseClip(SlotTable& table, int frame, int channel, std::span<const std::uint8_t> clip)
{
    if (ClassifyClip(clip) != ClipKind::Phrase ||
        SlotTable::CheckSlotRange(frame, channel) != kSlotDone)
        return false;
    PutClipRecords(table, frame, channel, clip);
    return true;
}

bool PasteChannelClip(SlotTable& table, int channel, std::span<const std::uint8_t> clip)
{
    if (ClassifyClip(clip) != ClipKind::Channel ||
        SlotTable::CheckSlotRange(1, channel) != kSlotDone)
        return false;
    PutClipRecords(table, 1, channel, clip);
    return true;
}

} // namespace cuelist
