// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace cuelist {

// How imported audio is encoded. Mono stays mono; anything with more channels becomes stereo.
struct EncodeSettings
{
    int bitrateKbps = 128; // constant bit rate
    int sampleRate = 44100;
    bool operator==(const EncodeSettings&) const = default;
};

// The bit rates and sample rates offered, in the order shown; others are refused.
inline constexpr std::array<int, 9> kEncodeBitrates = {64, 96, 112, 128, 160, 192, 224, 256, 320};
inline constexpr std::array<int, 4> kEncodeSampleRates = {22050, 32000, 44100, 48000};

bool IsSupportedBitrate(int kbps);
bool IsSupportedSampleRate(int hertz);

} // namespace cuelist
