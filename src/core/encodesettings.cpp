// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodesettings.h"

#include <algorithm>

namespace cuelist {

bool IsSupportedBitrate(int kbps)
{
    return std::ranges::find(kEncodeBitrates, kbps) != kEncodeBitrates.end();
}

bool IsSupportedSampleRate(int hertz)
{
    return std::ranges::find(kEncodeSampleRates, hertz) != kEncodeSampleRates.end();
}

} // namespace cuelist
