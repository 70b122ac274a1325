// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace cuelist {

// One MP3 slot taking part in a loudness match.
struct LoudnessSlot
{
    int frame = 0;
    int channel = 0;
    int attenuation = 0;        // the slot's volume as stored: 0..70 dB down
    std::optional<double> lufs; // integrated loudness of its file; none when not measured
};

// What a match does to one slot.
struct LoudnessChange
{
    int frame = 0;
    int channel = 0;
    int oldAttenuation = 0;
    int newAttenuation = 0;
    double excess = 0; // LU the slot still plays above the target at 70 dB down; 0 when none
};

struct LoudnessMatch
{
    std::optional<double> target;        // LUFS every slot plays at; none when no slot was measured
    std::vector<LoudnessChange> changes; // slots whose attenuation changes, in input order
    std::vector<LoudnessChange> louder;  // slots that stay louder (also in changes when moved)
    std::vector<LoudnessSlot> unmeasured; // left as they are
};

// Volumes that make every measured slot play as loud as the quietest of them as it plays
// now (its loudness less its attenuation). Volume is attenuation only: a slot is never made
// louder, and one that would need more than 70 dB stays louder by the excess. A file whose
// loudness is not finite (silence) counts as unmeasured.
LoudnessMatch MatchLoudness(std::span<const LoudnessSlot> slots);

} // namespace cuelist
