// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playtime.h"
#include "core/slottable.h"

#include <gtest/gtest.h>
#include <vector>

using namespace cuelist;

namespace {

SlotRecord Record(std::uint8_t type, std::uint8_t parameters = 0)
{
    SlotRecord r = EmptyRecord();
    r[record::kType] = type;
    std::fill(r.begin() + record::kVolume, r.begin() + record::kReserved, parameters);
    return r;
}

// Runs one accessor by letter (setters upper case, getters lower case) and gives its result.
SlotResult Access(SlotTable& t, char op, int frame, int channel, int a = 1, int b = 1)
{
    const auto x = static_cast<std::uint8_t>(a), y = static_cast<std::uint8_t>(b);
    std::uint8_t v = 0, w = 0, type = 0;
    std::uint16_t s = 0;
    // clang-format off
    switch (op) {
    case 'V': return t.SetSlotVolumeOrSpeed(frame, channel, x);
    case 'R': return t.SetSlotRepeat(frame, channel, x);
    case 'L': return t.SetSlotLowOrColors(frame, channel, x, y);
    case 'H': return t.SetSlotHighOrStyle(frame, channel, x, y);
    case 'I': return t.SetSlotInterval(frame, channel, static_cast<std::uint16_t>(a));
    case 'v': return t.GetSlotVolumeOrSpeed(frame, channel, v, type);
    case 'r': return t.GetSlotRepeat(frame, channel, v, type);
    case 'l': return t.GetSlotLowOrColors(frame, channel, v, w, type);
    case 'h': return t.GetSlotHighOrStyle(frame, channel, v, w, type);
    default: return t.GetSlotInterval(frame, channel, s, type);
    }
    // clang-format on
}

constexpr const char* kAccessors = "VRLHIvrlhi";

} // namespace

TEST(SlotTable, RangeFailuresTouchNothing)
{
    // clang-format off
    struct Case { int frame, channel; SlotResult slot, table; };
    const Case cases[] = {
        {1, 128, kSlotChannelOutOfRange, kSlotDone}, {0, 0, kSlotBothOutOfRange, kSlotBothOutOfRange},
        {17, 5, kSlotFrameOutOfRange, kSlotFrameOutOfRange}, {16, 127, kSlotDone, kSlotDone},
        {1, 1023, kSlotChannelOutOfRange, kSlotDone}, {-1, 1024, kSlotBothOutOfRange, kSlotBothOutOfRange},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(SlotTable::CheckSlotRange(c.frame, c.channel), c.slot)
            << c.frame << "/" << c.channel;
        EXPECT_EQ(SlotTable::CheckTableRange(c.frame, c.channel), c.table)
            << c.frame << "/" << c.channel;
    }

    SlotTable table;
    table.RecordAt(1, 128) = Record(kTypeMp3);
    const SlotTable before = table;
    for (const char* op = kAccessors; *op; ++op) {
        EXPECT_EQ(Access(table, *op, 1, 128), kSlotChannelOutOfRange) << *op;
        EXPECT_EQ(Access(table, *op, 0, 0), kSlotBothOutOfRange) << *op;
    }
    SlotRecord out = Record(9);
    std::string text = "kept";
    EXPECT_EQ(table.GetSlotText(1, 128, text), kSlotChannelOutOfRange);
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(table.GetSlotRecord(1, 128, out));
    EXPECT_EQ(out, Record(9));
    EXPECT_FALSE(table.PutSlotRecord(17, 1, Record(kTypeMp3)));
    EXPECT_FALSE(table.ChannelHasSlots(128));
    EXPECT_TRUE(std::ranges::equal(table.Bytes(), before.Bytes()));
}

TEST(SlotTable, SettersByTypeAndValue)
{
    // Parameter bytes start at 0x33 so that an untouched byte shows; `at` and `value` give
    // the byte that must change on success (the interval: its low byte, high byte `value2`).
    struct Case
    {
        std::uint8_t type;
        char op;
        int a, b;
        SlotResult result;
        std::size_t at;
        int value, value2 = 0x33;
    };
    // clang-format off
    const Case cases[] = {
        {kTypeMp3, 'V', 70, 0, kSlotDone, record::kVolume, 70},
        {kTypeMp3, 'V', 71, 0, kSlotMp3ValueOutOfRange, 0, 0},
        {kTypeText, 'V', 5, 0, kSlotDone, record::kVolume, 0x50},
        {kTypeText, 'V', 6, 0, kSlotTextValueOutOfRange, 0, 0},
        {kTypeMp3, 'R', 255, 0, kSlotDone, record::kRepeat, 255},
        {kTypeText, 'R', 99, 0, kSlotDone, record::kRepeat, 99},
        {kTypeText, 'R', 100, 0, kSlotTextValueOutOfRange, 0, 0},
        {kTypeMp3, 'L', 15, 200, kSlotDone, record::kLow, 15},
        {kTypeMp3, 'L', 16, 3, kSlotDone, record::kLow, 3},
        {kTypeMp3, 'L', 16, 16, kSlotMp3ValueOutOfRange, 0, 0},
        {kTypeMp3, 'H', 99, 0, kSlotDone, record::kHigh, 0},
        {kTypeText, 'L', 6, 4, kSlotDone, record::kLow, 0x46},
        {kTypeText, 'L', 1, 2, kSlotTextValueOutOfRange, 0, 0},
        {kTypeText, 'L', 2, 1, kSlotSecondTextValueOutOfRange, 0, 0},
        {kTypeText, 'L', 1, 1, kSlotBothTextValuesOutOfRange, 0, 0},
        {kTypeText, 'H', 5, 10, kSlotDone, record::kHigh, 0xA5},
        {kTypeText, 'H', 2, 8, kSlotTextValueOutOfRange, 0, 0},
        {kTypeText, 'H', 3, 3, kSlotSecondTextValueOutOfRange, 0, 0},
        {kTypeMp3, 'I', 3600, 0, kSlotDone, record::kIntervalLow, 0x10, 0x0E},
        {kTypeText, 'I', 3601, 0, kSlotMp3ValueOutOfRange, 0, 0},
        {kTypeEmpty, 'R', 1, 0, kSlotEmpty, 0, 0},
        {7, 'R', 1, 0, kSlotUnknownType, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SlotTable table;
        table.PutSlotRecord(1, 1, Record(c.type, 0x33));
        EXPECT_EQ(Access(table, c.op, 1, 1, c.a, c.b), c.result) << c.op << c.a << "," << c.b;
        SlotRecord expected = Record(c.type, 0x33);
        if (c.result == kSlotDone) {
            expected[c.at] = static_cast<std::uint8_t>(c.value);
            expected[record::kIntervalHigh] = static_cast<std::uint8_t>(c.value2);
        }
        EXPECT_EQ(table.RecordAt(1, 1), expected) << c.op << c.a << "," << c.b;
    }
}

// The interval is two big-endian bytes, read as they stand even past the editor's limit (a
// damaged record shows what it holds), the same for the table, the play time and the writer.
TEST(SlotTable, IntervalBytes)
{
    const struct
    {
        std::uint8_t high, low;
        int seconds;
    } rows[] = {{0, 0, 0}, {0, 0xFF, 255}, {1, 0, 256}, {0x0E, 0x10, 3600}, {0xFF, 0xFF, 65535}};
    for (const auto& row : rows) {
        SlotRecord r = Record(kTypeMp3);
        r[record::kIntervalHigh] = row.high;
        r[record::kIntervalLow] = row.low;
        EXPECT_EQ(RecordInterval(r), row.seconds) << row.seconds;
        SlotTable table;
        table.PutSlotRecord(2, 7, r);
        std::uint16_t seconds = 0;
        std::uint8_t type = 0;
        ASSERT_EQ(table.GetSlotInterval(2, 7, seconds, type), kSlotDone);
        EXPECT_EQ(seconds, row.seconds);
        EXPECT_EQ(SlotPlayTime(r, 0).milliseconds, std::int64_t(row.seconds) * 1000);
        SlotRecord written = Record(kTypeMp3);
        SetRecordInterval(written, std::uint16_t(row.seconds));
        EXPECT_EQ(written, r) << row.seconds;
    }
}

TEST(SlotTable, GettersByType)
{
    SlotTable table;
    SlotRecord text = Record(kTypeText);
    text[record::kVolume] = 0x30;
    text[record::kLow] = 0x46;
    text[record::kIntervalHigh] = 1;
    text[record::kIntervalLow] = 2;
    table.PutSlotRecord(4, 9, text);
    table.PutSlotRecord(5, 9, Record(kTypeEmpty, 42));
    table.PutSlotRecord(6, 9, Record(200, 42));
    std::uint8_t a = 0, b = 0, type = 0;
    std::uint16_t seconds = 0;
    EXPECT_EQ(table.GetSlotVolumeOrSpeed(4, 9, a, type), kSlotDone);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(type, kTypeText);
    table.GetSlotLowOrColors(4, 9, a, b, type);
    EXPECT_EQ(a * 100 + b, 604);
    table.GetSlotInterval(4, 9, seconds, type);
    EXPECT_EQ(seconds, 258);

    // An empty slot reads like an MP3 slot; an unknown type is refused and writes nothing.
    EXPECT_EQ(table.GetSlotLowOrColors(5, 9, a, b, type), kSlotDone);
    EXPECT_EQ(a * 1000 + b + type, 42255);
    for (const char* op = kAccessors; *op; ++op) {
        EXPECT_EQ(Access(table, *op, 5, 9), std::islower(*op) ? kSlotDone : kSlotEmpty) << *op;
        EXPECT_EQ(Access(table, *op, 6, 9), kSlotUnknownType) << *op;
    }
    a = 1;
    EXPECT_EQ(table.GetSlotRepeat(6, 9, a, type), kSlotUnknownType);
    EXPECT_EQ(a, 1);
    SlotRecord copy;
    EXPECT_TRUE(table.GetSlotRecord(6, 9, copy));
    EXPECT_EQ(copy, Record(200, 42));
}

TEST(SlotTable, ChannelOccupancyAndClearing)
{
    SlotTable table;
    EXPECT_FALSE(table.ChannelHasSlots(5));
    table.PutSlotRecord(16, 5, Record(kTypeText));
    EXPECT_TRUE(table.ChannelHasSlots(5));
    table.PutSlotRecord(15, 5, Record(9));
    EXPECT_EQ(table.TypeAt(16, 5), kTypeText);
    EXPECT_EQ(table.TypeAt(15, 5), kTypeUnknown);
    EXPECT_EQ(table.TypeAt(1, 5), kTypeEmpty);
    EXPECT_EQ(table.ClearSlot(16, 5), kSlotDone);
    EXPECT_EQ(table.ClearSlot(15, 5), kSlotDone);
    EXPECT_FALSE(table.ChannelHasSlots(5));
    table.RecordAt(1, 1023) = Record(kTypeMp3);
    EXPECT_EQ(table.TypeAt(1, 1023), kTypeEmpty); // outside the edited channels
    EXPECT_EQ(table.ClearSlot(1, 1023), kSlotChannelOutOfRange);
    EXPECT_EQ(table.RecordAt(1, 1023), Record(kTypeMp3));
    table.ClearAllSlots();
    const SlotRecord empty = {0, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t at = 0; at < kImageSize; at += kRecordSize)
        ASSERT_TRUE(std::equal(empty.begin(), empty.end(), table.Bytes().begin() + at)) << at;
}
