// SPDX-License-Identifier: GPL-3.0-or-later
#include "slotsettings.h"

#include <cstdlib>

namespace cuelist {

namespace {

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(value);
}

} // namespace

SlotSettings ReadSlotSettings(const SlotTable& table, int frame, int channel)
{
    SlotSettings s;
    std::uint8_t type = 0;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    std::uint16_t seconds = 0;
    if (table.GetSlotVolumeOrSpeed(frame, channel, a, type) != kSlotDone)
        return s;
    s.volume = type == kTypeText ? int(a) : -int(a);
    if (table.GetSlotRepeat(frame, channel, a, type) == kSlotDone)
        s.repeat = a;
    if (table.GetSlotInterval(frame, channel, seconds, type) == kSlotDone)
        s.interval = seconds;
    if (type != kTypeText)
        return s;
    if (table.GetSlotLowOrColors(frame, channel, a, b, type) == kSlotDone) {
        s.fontColour = a;
        s.backgroundColour = b;
    }
    if (table.GetSlotHighOrStyle(frame, channel, a, b, type) == kSlotDone) {
        s.magnification = a;
        s.displayMode = b;
    }
    return s;
}

void WriteSlotSettings(SlotTable& table, int frame, int channel, const SlotSettings& s)
{
    const SlotType type = table.TypeAt(frame, channel);
    if (type == kTypeMp3) {
        table.SetSlotVolumeOrSpeed(frame, channel, Byte(std::abs(s.volume)));
    } else if (type == kTypeText) {
        table.SetSlotVolumeOrSpeed(frame, channel, Byte(s.volume));
        table.SetSlotLowOrColors(frame, channel, Byte(s.fontColour), Byte(s.backgroundColour));
        table.SetSlotHighOrStyle(frame, channel, Byte(s.magnification), Byte(s.displayMode));
    } else {
        return;
    }
    table.SetSlotRepeat(frame, channel, Byte(s.repeat));
    table.SetSlotInterval(frame, channel, static_cast<std::uint16_t>(s.interval));
}

} // namespace cuelist
