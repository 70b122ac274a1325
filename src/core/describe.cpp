// SPDX-License-Identifier: GPL-3.0-or-later
#include "describe.h"

namespace cuelist {

SlotDescription DescribeSlot(const SlotTable& table, int frame, int channel)
{
    SlotDescription d;
    if (SlotTable::CheckSlotRange(frame, channel) != kSlotDone) {
        d.kind = SlotDescription::Kind::OutOfRange;
        return d;
    }
    std::uint8_t type = 0;
    std::uint8_t volume = 0;
    if (table.GetSlotVolumeOrSpeed(frame, channel, volume, type) != kSlotDone) {
        d.kind = SlotDescription::Kind::VolumeError;
        return d;
    }
    if (type == kTypeEmpty) {
        d.kind = SlotDescription::Kind::NoRegistration;
        return d;
    }
    std::uint8_t repeat = 0;
    if (table.GetSlotRepeat(frame, channel, repeat, type) != kSlotDone) {
        d.kind = SlotDescription::Kind::RepeatError;
        return d;
    }
    std::uint16_t interval = 0;
    if (table.GetSlotInterval(frame, channel, interval, type) != kSlotDone) {
        d.kind = SlotDescription::Kind::IntervalError;
        return d;
    }
    if (type != kTypeMp3) {
        d.kind = SlotDescription::Kind::Blank;
        return d;
    }
    d.kind = SlotDescription::Kind::Mp3;
    d.volume = -int(volume);
    d.unlimited = repeat == kEndlessRepeat;
    d.repeat = d.unlimited ? 0 : repeat;
    d.interval = interval;
    return d;
}

} // namespace cuelist
