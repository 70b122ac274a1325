// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudnessmatch.h"

#include "slotrecord.h"

#include <algorithm>
#include <cmath>

namespace cuelist {

namespace {

bool Measured(const LoudnessSlot& slot)
{
    return slot.lufs && std::isfinite(*slot.lufs);
}

} // namespace

LoudnessMatch MatchLoudness(std::span<const LoudnessSlot> slots)
{
    LoudnessMatch match;
    for (const LoudnessSlot& slot : slots) {
        if (!Measured(slot)) {
            match.unmeasured.push_back(slot);
            continue;
        }
        const double heard = *slot.lufs - std::clamp(slot.attenuation, 0, kMaxAttenuation);
        match.target = match.target ? std::min(*match.target, heard) : heard;
    }
    if (!match.target)
        return match;
    for (const LoudnessSlot& slot : slots) {
        if (!Measured(slot))
            continue;
        const double wanted = *slot.lufs - *match.target;
        // Rounding keeps every slot within half a dB of the target; the quietest slot's own
        // attenuation comes back unchanged.
        const int rounded = static_cast<int>(std::lround(wanted));
        LoudnessChange change{slot.frame, slot.channel, slot.attenuation,
                              std::clamp(rounded, 0, kMaxAttenuation), 0};
        if (rounded > kMaxAttenuation)
            change.excess = wanted - kMaxAttenuation;
        if (change.newAttenuation != change.oldAttenuation)
            match.changes.push_back(change);
        if (change.excess > 0)
            match.louder.push_back(change);
    }
    return match;
}

} // namespace cuelist
