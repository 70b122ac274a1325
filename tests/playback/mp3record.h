// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slotrecord.h"

#include <cstring>

// An MP3 slot record as the document stores it: name padded with spaces, big-endian interval.
inline cuelist::SlotRecord Mp3(const char* name, int volume = 0, int repeat = 0, int interval = 0)
{
    using namespace cuelist;
    SlotRecord r{};
    r[record::kType] = kTypeMp3;
    std::memset(&r[record::kName], ' ', record::kNameLength);
    std::memcpy(&r[record::kName], name, std::strlen(name));
    r[record::kVolume] = std::uint8_t(volume);
    r[record::kRepeat] = std::uint8_t(repeat);
    r[record::kIntervalHigh] = std::uint8_t(interval >> 8);
    r[record::kIntervalLow] = std::uint8_t(interval);
    return r;
}
