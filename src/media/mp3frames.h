// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace cuelist {

// The play length of MPEG audio bytes read from their frame headers: the frame count of a
// Xing, Info or VBRI header when there is one, else the sum of the frames found one after
// the other. None when the bytes are not a clean run of frames (free bitrate, damage in the
// middle, no frame at all); the discoverer then decides.
std::optional<std::int64_t> Mp3DurationFromFrames(std::span<const std::uint8_t> bytes);

} // namespace cuelist
