// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace cuelist {

inline constexpr std::size_t kPhraseClipSize = kRecordSize;                // 16
inline constexpr std::size_t kChannelClipSize = kRecordSize * kFrameCount; // 256

enum class ClipKind { Invalid, Phrase, Channel };

ClipKind ClassifyClip(std::span<const std::uint8_t> clip);

// Empty optional when the slot or channel is outside 1..127.
std::optional<std::vector<std::uint8_t>> EncodePhraseClip(const SlotTable& table, int frame,
                                                          int channel);
std::optional<std::vector<std::uint8_t>> EncodeChannelClip(const SlotTable& table, int channel);

// Writes the clip's records, repaired as a file's records are on loading (records the editor
// cannot use are emptied, MP3 tone levels reset), whoever put them on the clipboard. False
// (nothing written) on a size or range mismatch.
bool PastePhraseClip(SlotTable& table, int frame, int channel, std::span<const std::uint8_t> clip);
bool PasteChannelClip(SlotTable& table, int channel, std::span<const std::uint8_t> clip);

} // namespace cuelist
