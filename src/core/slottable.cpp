// SPDX-License-Identifier: GPL-3.0-or-later
#include "slottable.h"

#include "names.h"

#include <cassert>
#include <cstring>

namespace cuelist {

static_assert(sizeof(std::array<SlotRecord, kSlotCount>) == kImageSize,
              "the table must be byte-exact with the file image");

namespace {

SlotResult RangeResult(bool frameOk, bool channelOk)
{
    if (frameOk && channelOk)
        return kSlotDone;
    if (!frameOk && !channelOk)
        return kSlotBothOutOfRange;
    return frameOk ? kSlotChannelOutOfRange : kSlotFrameOutOfRange;
}

bool IsTextColour(std::uint8_t v)
{
    return v == 0 || v == 2 || v == 4 || v == 6;
}

bool IsLetterSize(std::uint8_t v)
{
    return v == 0 || v == 1 || v == 3 || v == 4 || v == 5;
}

bool IsDisplayMode(std::uint8_t v)
{
    return v == 0 || v == 1 || v == 2 || v == 8 || v == 9 || v == 10;
}

// The two-value setters share one shape: the MP3 branch takes the first usable
// value, the text branch packs two checked nibbles.
template <typename FirstOk, typename SecondOk>
SlotResult SetPair(SlotRecord& r, std::size_t at, std::uint8_t a, std::uint8_t b, FirstOk firstOk,
                   SecondOk secondOk)
{
    switch (r[record::kType]) {
    case kTypeEmpty:
        return kSlotEmpty;
    case kTypeMp3:
        if (a <= 15)
            r[at] = a;
        else if (b <= 15)
            r[at] = b;
        else
            return kSlotMp3ValueOutOfRange;
        return kSlotDone;
    case kTypeText: {
        const bool aOk = firstOk(a);
        const bool bOk = secondOk(b);
        if (!aOk && !bOk)
            return kSlotBothTextValuesOutOfRange;
        if (!aOk)
            return kSlotTextValueOutOfRange;
        if (!bOk)
            return kSlotSecondTextValueOutOfRange;
        r[at] = static_cast<std::uint8_t>(a + b * 16);
        return kSlotDone;
    }
    default:
        return kSlotUnknownType;
    }
}

void GetPair(const SlotRecord& r, std::size_t at, std::uint8_t& a, std::uint8_t& b)
{
    if (r[record::kType] == kTypeText) {
        a = r[at] & 0x0F;
        b = r[at] >> 4;
    } else {
        a = r[at];
        b = 255;
    }
}

// Every getter: range check, refusal of unknown types, then the type and the read itself.
template <typename Read>
SlotResult ReadSlot(const SlotTable& table, int frame, int channel, std::uint8_t& type, Read read)
{
    if (const SlotResult range = SlotTable::CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    const SlotRecord& r = table.RecordAt(frame, channel);
    if (r[record::kType] >= kTypeUnknown)
        return kSlotUnknownType;
    type = r[record::kType];
    read(r);
    return kSlotDone;
}

} // namespace

SlotRecord EmptyRecord()
{
    SlotRecord r{};
    std::memset(r.data() + record::kName, ' ', record::kNameLength);
    return r;
}

SlotTable::SlotTable()
{
    ClearAllSlots();
}

SlotResult SlotTable::CheckSlotRange(int frame, int channel)
{
    return RangeResult(frame >= 1 && frame <= kFrameCount,
                       channel >= 1 && channel <= kEditableChannelCount);
}

SlotResult SlotTable::CheckTableRange(int frame, int channel)
{
    return RangeResult(frame >= 1 && frame <= kFrameCount,
                       channel >= 1 && channel <= kChannelCount);
}

SlotResult SlotTable::SetSlotVolumeOrSpeed(int frame, int channel, std::uint8_t value)
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    SlotRecord& r = RecordAt(frame, channel);
    switch (r[record::kType]) {
    case kTypeEmpty:
        return kSlotEmpty;
    case kTypeMp3:
        if (value > kMaxAttenuation)
            return kSlotMp3ValueOutOfRange;
        r[record::kVolume] = value;
        return kSlotDone;
    case kTypeText:
        if (value > 5)
            return kSlotTextValueOutOfRange;
        r[record::kVolume] = static_cast<std::uint8_t>(value * 16);
        return kSlotDone;
    default:
        return kSlotUnknownType;
    }
}

SlotResult SlotTable::SetSlotRepeat(int frame, int channel, std::uint8_t value)
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    SlotRecord& r = RecordAt(frame, channel);
    switch (r[record::kType]) {
    case kTypeEmpty:
        return kSlotEmpty;
    case kTypeMp3:
        r[record::kRepeat] = value;
        return kSlotDone;
    case kTypeText:
        if (value > 99)
            return kSlotTextValueOutOfRange;
        r[record::kRepeat] = value;
        return kSlotDone;
    default:
        return kSlotUnknownType;
    }
}

SlotResult SlotTable::SetSlotLowOrColors(int frame, int channel, std::uint8_t a, std::uint8_t b)
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    return SetPair(RecordAt(frame, channel), record::kLow, a, b, IsTextColour, IsTextColour);
}

SlotResult SlotTable::SetSlotHighOrStyle(int frame, int channel, std::uint8_t a, std::uint8_t b)
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    return SetPair(RecordAt(frame, channel), record::kHigh, a, b, IsLetterSize, IsDisplayMode);
}

SlotResult SlotTable::SetSlotInterval(int frame, int channel, std::uint16_t seconds)
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    SlotRecord& r = RecordAt(frame, channel);
    const std::uint8_t type = r[record::kType];
    if (type == kTypeEmpty)
        return kSlotEmpty;
    if (type >= kTypeUnknown)
        return kSlotUnknownType;
    if (seconds > kMaxInterval)
        return kSlotMp3ValueOutOfRange;
    SetRecordInterval(r, seconds);
    return kSlotDone;
}

SlotResult SlotTable::GetSlotVolumeOrSpeed(int frame, int channel, std::uint8_t& value,
                                           std::uint8_t& type) const
{
    return ReadSlot(*this, frame, channel, type, [&](const SlotRecord& r) {
        value = type == kTypeText ? r[record::kVolume] / 16 : r[record::kVolume];
    });
}

SlotResult SlotTable::GetSlotRepeat(int frame, int channel, std::uint8_t& value,
                                    std::uint8_t& type) const
{
    return ReadSlot(*this, frame, channel, type,
                    [&](const SlotRecord& r) { value = r[record::kRepeat]; });
}

SlotResult SlotTable::GetSlotLowOrColors(int frame, int channel, std::uint8_t& a, std::uint8_t& b,
                                         std::uint8_t& type) const
{
    return ReadSlot(*this, frame, channel, type,
                    [&](const SlotRecord& r) { GetPair(r, record::kLow, a, b); });
}

SlotResult SlotTable::GetSlotHighOrStyle(int frame, int channel, std::uint8_t& a, std::uint8_t& b,
                                         std::uint8_t& type) const
{
    return ReadSlot(*this, frame, channel, type,
                    [&](const SlotRecord& r) { GetPair(r, record::kHigh, a, b); });
}

SlotResult SlotTable::GetSlotInterval(int frame, int channel, std::uint16_t& seconds,
                                      std::uint8_t& type) const
{
    return ReadSlot(*this, frame, channel, type,
                    [&](const SlotRecord& r) { seconds = RecordInterval(r); });
}

bool SlotTable::PutSlotRecord(int frame, int channel, const SlotRecord& rec)
{
    if (CheckSlotRange(frame, channel) != kSlotDone)
        return false;
    RecordAt(frame, channel) = rec;
    return true;
}

bool SlotTable::GetSlotRecord(int frame, int channel, SlotRecord& rec) const
{
    if (CheckSlotRange(frame, channel) != kSlotDone)
        return false;
    rec = RecordAt(frame, channel);
    return true;
}

bool SlotTable::ChannelHasSlots(int channel) const
{
    if (channel < 1 || channel > kEditableChannelCount)
        return false;
    for (int frame = 1; frame <= kFrameCount; ++frame) {
        if (RecordAt(frame, channel)[record::kType] != kTypeEmpty)
            return true;
    }
    return false;
}

void SlotTable::ClearAllSlots()
{
    m_records.fill(EmptyRecord());
}

SlotResult SlotTable::SetSlotFile(int frame, int channel, std::string_view name,
                                  NameResult* refusal)
{
    if (const SlotResult range = CheckTableRange(frame, channel); range != kSlotDone)
        return range;
    const NameCheck check = CheckSlotFileName(name);
    if (refusal)
        *refusal = check.result;
    if (check.result != kNameAccepted)
        return kSlotNameRefused;
    SlotRecord& r = RecordAt(frame, channel);
    r = EmptyRecord();
    if (check.blank)
        return kSlotDone;
    r[record::kType] = kTypeMp3;
    std::memcpy(r.data() + record::kName, check.base.data(), check.base.size());
    r[record::kLow] = 15;
    r[record::kHigh] = 15;
    return kSlotDone;
}

SlotResult SlotTable::ClearSlot(int frame, int channel)
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    RecordAt(frame, channel) = EmptyRecord();
    return kSlotDone;
}

SlotType SlotTable::TypeAt(int frame, int channel) const
{
    if (CheckSlotRange(frame, channel) != kSlotDone)
        return kTypeEmpty;
    const std::uint8_t type = RecordAt(frame, channel)[record::kType];
    return type >= kTypeUnknown ? kTypeUnknown : SlotType(type);
}

SlotResult SlotTable::GetSlotText(int frame, int channel, std::string& text) const
{
    if (const SlotResult range = CheckSlotRange(frame, channel); range != kSlotDone)
        return range;
    const SlotRecord& r = RecordAt(frame, channel);
    const std::uint8_t type = r[record::kType];
    if (type == kTypeEmpty) {
        text.assign(1, ' ');
        return kSlotDone;
    }
    if (type >= kTypeUnknown) {
        text.clear();
        return kSlotUnknownType;
    }
    // The name field reads like a C string: it ends at a zero byte, if any.
    const char* name = reinterpret_cast<const char*>(r.data() + record::kName);
    std::size_t length = 0;
    while (length < record::kNameLength && name[length] != '\0')
        ++length;
    while (length > 0 && std::strchr(" \t\n\v\f\r", name[length - 1]) != nullptr)
        --length;
    text.assign(name, length);
    text += type == kTypeMp3 ? ".MP3" : ".TXT";
    return kSlotDone;
}

const SlotRecord& SlotTable::RecordAt(int frame, int channel) const
{
    assert(CheckTableRange(frame, channel) == kSlotDone);
    return m_records[std::size_t(channel - 1) * kFrameCount + std::size_t(frame - 1)];
}

SlotRecord& SlotTable::RecordAt(int frame, int channel)
{
    assert(CheckTableRange(frame, channel) == kSlotDone);
    return m_records[std::size_t(channel - 1) * kFrameCount + std::size_t(frame - 1)];
}

std::span<const std::uint8_t, kImageSize> SlotTable::Bytes() const
{
    return std::span<const std::uint8_t, kImageSize>(m_records.front().data(), kImageSize);
}

std::span<std::uint8_t, kImageSize> SlotTable::Bytes()
{
    return std::span<std::uint8_t, kImageSize>(m_records.front().data(), kImageSize);
}

} // namespace cuelist
