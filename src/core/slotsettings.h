// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

namespace cuelist {

// The parameters of one slot as its settings dialog shows them. The file name and the
// slot's type are not settings: only a new file changes them.
struct SlotSettings
{
    int volume = 0;   // MP3: 0 .. -70 dB; text: scroll speed 0..5
    int repeat = 0;   // MP3: repeat times 0..255 (255 endless); text: minutes or times 0..99
    int interval = 0; // seconds of silence after the phrase, 0..3600
    // Text slots only; the MP3 tone levels are never shown or written.
    int fontColour = 0;
    int backgroundColour = 2;
    int magnification = 0;
    int displayMode = 0;

    bool operator==(const SlotSettings&) const = default;
};

// Every field read through the slot getters; fields of an empty or unreadable slot stay
// at their defaults.
SlotSettings ReadSlotSettings(const SlotTable& table, int frame, int channel);

// Writes the fields the slot's type has through the slot setters: a value a setter refuses
// leaves that field as it was while the others are still written.
void WriteSlotSettings(SlotTable& table, int frame, int channel, const SlotSettings& settings);

} // namespace cuelist
