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
// The preview stops at a file that is missing or cannot be played, after the interval of the
// frame before it: the frames from there on do not count.
struct ChannelPlayTime
{
    bool endless = false;
    int unknown = 0;               // frames played whose duration is not known (yet)
    std::int64_t milliseconds = 0; // the known part; up to the endless or stopping frame
    int stopFrame = 0;             // 1..16: the first frame whose file is missing or unplayable
};

// What a DurationLookup gives for a file that is missing or holds no playable audio.
constexpr std::int64_t kUnplayable = -1;
// The duration of NAME.MP3 (CP932 bytes, as the cell shows it) in milliseconds, kUnplayable
// for a missing or unreadable file, or none when it is not known yet.
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
