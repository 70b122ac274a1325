// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cuelist {

inline constexpr int kFrameCount = 16;
inline constexpr int kChannelCount = 1023;
inline constexpr int kEditableChannelCount = 127;
inline constexpr std::size_t kRecordSize = 16;
inline constexpr std::size_t kSlotCount = std::size_t(kChannelCount) * kFrameCount;
inline constexpr std::size_t kImageSize = kSlotCount * kRecordSize; // 261,888 bytes

// One slot as the device reads it: type, 8-byte space-padded name, parameters,
// big-endian interval at bytes 13-14, reserved byte 15.
using SlotRecord = std::array<std::uint8_t, kRecordSize>;

enum SlotType : std::uint8_t { kTypeEmpty = 0, kTypeMp3 = 1, kTypeText = 2, kTypeUnknown = 3 };

// The ranges of an MP3 slot's parameters.
inline constexpr int kMaxAttenuation = 70; // volume 0 .. -70 dB, stored as 0..70
inline constexpr int kMinVolumeDb = -kMaxAttenuation;
inline constexpr int kMaxRepeat = 255; // 255 repeats without end
inline constexpr int kEndlessRepeat = kMaxRepeat;
inline constexpr int kMaxInterval = 3600; // seconds of silence after a phrase

namespace record {
inline constexpr std::size_t kType = 0;
inline constexpr std::size_t kName = 1;
inline constexpr std::size_t kNameLength = 8;
inline constexpr std::size_t kVolume = 9;
inline constexpr std::size_t kRepeat = 10;
inline constexpr std::size_t kLow = 11;
inline constexpr std::size_t kHigh = 12;
inline constexpr std::size_t kIntervalHigh = 13;
inline constexpr std::size_t kIntervalLow = 14;
inline constexpr std::size_t kReserved = 15;
} // namespace record

// The seconds of silence after a phrase as the record keeps them: big-endian, unchecked, so a
// damaged record shows what it holds.
constexpr std::uint16_t RecordInterval(const SlotRecord& r)
{
    return std::uint16_t(r[record::kIntervalHigh] << 8 | r[record::kIntervalLow]);
}
constexpr void SetRecordInterval(SlotRecord& r, std::uint16_t seconds)
{
    r[record::kIntervalHigh] = std::uint8_t(seconds >> 8);
    r[record::kIntervalLow] = std::uint8_t(seconds & 0xFF);
}

// Result of every slot accessor.
enum SlotResult : std::uint32_t {
    kSlotDone = 0,
    kSlotFrameOutOfRange = 1,
    kSlotChannelOutOfRange = 2,
    kSlotBothOutOfRange = 3,
    kSlotEmpty = 4,
    kSlotMp3ValueOutOfRange = 5,
    kSlotTextValueOutOfRange = 6,
    kSlotSecondTextValueOutOfRange = 7,
    kSlotBothTextValuesOutOfRange = 8,
    kSlotUnknownType = 9,
    kSlotNameRefused = 10, // SetSlotFile: the name breaks a rule of the name store
};

// Why the name store refuses a file name.
enum NameResult : std::uint32_t {
    kNameAccepted = 0,
    kNameDoubleByte = 1,
    kNameNotMp3 = 2,
    kNameBadLength = 3,
    kNameHasSpace = 4,
    kNameInvalidCharacter = 5, // a character a FAT card cannot hold
    kNameEdgeBlank = 6,        // a file name starting or ending with white space (files on disk)
};

SlotRecord EmptyRecord();

} // namespace cuelist
