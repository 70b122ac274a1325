// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slotrecord.h"

#include <span>
#include <string>
#include <string_view>

namespace cuelist {

// The 1023 x 16 slot table in channel-major order, byte-exact with the playlist file.
// Frames and channels count from 1; every accessor checks its range first and
// reports through a SlotResult without touching anything on failure.
class SlotTable final
{
public:
    SlotTable(); // every slot empty

    static SlotResult CheckSlotRange(int frame, int channel);  // channels 1..127
    static SlotResult CheckTableRange(int frame, int channel); // channels 1..1023

    SlotResult SetSlotVolumeOrSpeed(int frame, int channel, std::uint8_t value);
    SlotResult SetSlotRepeat(int frame, int channel, std::uint8_t value);
    SlotResult SetSlotLowOrColors(int frame, int channel, std::uint8_t a, std::uint8_t b);
    SlotResult SetSlotHighOrStyle(int frame, int channel, std::uint8_t a, std::uint8_t b);
    SlotResult SetSlotInterval(int frame, int channel, std::uint16_t seconds);

    SlotResult GetSlotVolumeOrSpeed(int frame, int channel, std::uint8_t& value,
                                    std::uint8_t& type) const;
    SlotResult GetSlotRepeat(int frame, int channel, std::uint8_t& value, std::uint8_t& type) const;
    SlotResult GetSlotLowOrColors(int frame, int channel, std::uint8_t& a, std::uint8_t& b,
                                  std::uint8_t& type) const;
    SlotResult GetSlotHighOrStyle(int frame, int channel, std::uint8_t& a, std::uint8_t& b,
                                  std::uint8_t& type) const;
    SlotResult GetSlotInterval(int frame, int channel, std::uint16_t& seconds,
                               std::uint8_t& type) const;

    // Raw record copies, channels 1..127 only; no check of the contents.
    bool PutSlotRecord(int frame, int channel, const SlotRecord& record);
    bool GetSlotRecord(int frame, int channel, SlotRecord& record) const;

    bool ChannelHasSlots(int channel) const; // false outside 1..127
    void ClearAllSlots();

    // Stores a file name (UTF-8, as the file system gives it, with extension and
    // without folder) as an MP3 slot with default parameters, or clears the slot
    // when the name is blank. Channels 1..1023. See names.h for the rules; a refused
    // name gives kSlotNameRefused and its reason in refusal.
    SlotResult SetSlotFile(int frame, int channel, std::string_view name,
                           NameResult* refusal = nullptr);

    // Empties one slot; channels 1..127.
    SlotResult ClearSlot(int frame, int channel);
    // The slot's type; kTypeEmpty outside channels 1..127, kTypeUnknown for a type byte
    // this editor does not use.
    SlotType TypeAt(int frame, int channel) const;

    // The cell text in CP932 bytes: " " for an empty slot, NAME.MP3 / NAME.TXT.
    // Leaves text unchanged on a range failure; empties it for an unknown type.
    SlotResult GetSlotText(int frame, int channel, std::string& text) const;

    // Record of any slot of the table (channels 1..1023), unchecked beyond an assert.
    const SlotRecord& RecordAt(int frame, int channel) const;
    SlotRecord& RecordAt(int frame, int channel);

    std::span<const std::uint8_t, kImageSize> Bytes() const;
    std::span<std::uint8_t, kImageSize> Bytes();

private:
    std::array<SlotRecord, kSlotCount> m_records;
};

} // namespace cuelist
