// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

namespace cuelist {

// What the status bar says about a slot, as values; the caller words it.
struct SlotDescription
{
    enum class Kind {
        OutOfRange,  // frame or channel outside the editable area
        VolumeError, // the volume getter failed (unknown type)
        RepeatError,
        IntervalError,
        NoRegistration, // empty slot
        Mp3,            // repeat / volume / interval below
        Blank,          // a text slot: the description is empty
    };
    Kind kind = Kind::Blank;
    int repeat = 0;         // 0..254
    bool unlimited = false; // repeat byte 255
    int volume = 0;         // negated attenuation, 0..-255
    int interval = 0;       // seconds
};

SlotDescription DescribeSlot(const SlotTable& table, int frame, int channel);

} // namespace cuelist
