// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace cuelist {

// How long the preview (and the device) plays a channel: the MP3 frames in frame order,
// each played repeat + 1 times with its interval of silence after every play. Empty and text
// frames are skipped; repeat 255 plays the frame without end, so the frames after it never play.
struct ChannelPlayTime
{
    bool endless = false;
    int unknown = 0;               // frames played whose duration is not known
    std::int64_t milliseconds = 0; // the known part; before the endless frame when endless
};

// The duration of NAME.MP3 (CP932 bytes, as the cell shows it) in milliseconds, or none when
// it is not known (missing, unreadable, not measured yet).
using DurationLookup = std::function<std::optional<std::int64_t>(const std::string& cellName)>;

// One slot's part of the channel; endless for repeat 255, nothing for a slot that is not MP3.
ChannelPlayTime SlotPlayTime(const SlotRecord& record, std::optional<std::int64_t> duration);
ChannelPlayTime ChannelPlayTimeOf(const SlotTable& table, int channel,
                                  const DurationLookup& durationOf);

// The name bytes of a record up to its first blank or zero byte (CP932), as the preview looks
// the file up.
std::string RecordBaseName(const SlotRecord& record);
// The NAME.MP3 of an MP3 record (CP932 bytes, trailing blanks dropped); empty otherwise.
std::string Mp3CellName(const SlotRecord& record);

} // namespace cuelist
