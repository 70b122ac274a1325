#include "core/slottable.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace cuelist;

namespace {

SlotRecord Record(std::uint8_t type, std::initializer_list<std::pair<std::size_t, int>> set = {})
{
    SlotRecord r = EmptyRecord();
    r[record::kType] = type;
    for (const auto& [at, value] : set)
        r[at] = static_cast<std::uint8_t>(value);
    return r;
}

std::vector<std::uint8_t> Image(const SlotTable& table)
{
    return {table.Bytes().begin(), table.Bytes().end()};
}

// Each accessor reduced to its result code, so range and type rules can be checked for all.
using Call = std::function<SlotResult(SlotTable&, int, int)>;

std::vector<std::pair<const char*, Call>> AllAccessors()
{
    static std::uint8_t a = 0, b = 0, t = 0;
    static std::uint16_t s = 0;
    return {
        {"SetVolume", [](SlotTable& x, int f, int c) { return x.SetSlotVolumeOrSpeed(f, c, 1); }},
        {"SetRepeat", [](SlotTable& x, int f, int c) { return x.SetSlotRepeat(f, c, 1); }},
        {"SetLow", [](SlotTable& x, int f, int c) { return x.SetSlotLowOrColors(f, c, 2, 2); }},
        {"SetHigh", [](SlotTable& x, int f, int c) { return x.SetSlotHighOrStyle(f, c, 1, 1); }},
        {"SetInterval", [](SlotTable& x, int f, int c) { return x.SetSlotInterval(f, c, 1); }},
        {"GetVolume",
         [](SlotTable& x, int f, int c) { return x.GetSlotVolumeOrSpeed(f, c, a, t); }},
        {"GetRepeat", [](SlotTable& x, int f, int c) { return x.GetSlotRepeat(f, c, a, t); }},
        {"GetLow", [](SlotTable& x, int f, int c) { return x.GetSlotLowOrColors(f, c, a, b, t); }},
        {"GetHigh", [](SlotTable& x, int f, int c) { return x.GetSlotHighOrStyle(f, c, a, b, t); }},
        {"GetInterval", [](SlotTable& x, int f, int c) { return x.GetSlotInterval(f, c, s, t); }},
    };
}

} // namespace

TEST(SlotTable, RangeFailuresTouchNothing)
{
    struct Case
    {
        int frame, channel;
        SlotResult slot, table;
    };
    const Case cases[] = {
        {1, 128, kSlotChannelOutOfRange, kSlotDone},
        {0, 0, kSlotBothOutOfRange, kSlotBothOutOfRange},
        {17, 5, kSlotFrameOutOfRange, kSlotFrameOutOfRange},
        {16, 127, kSlotDone, kSlotDone},
        {1, 1023, kSlotChannelOutOfRange, kSlotDone},
        {1, 1024, kSlotChannelOutOfRange, kSlotChannelOutOfRange},
        {-1, 5, kSlotFrameOutOfRange, kSlotFrameOutOfRange},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SlotTable::CheckSlotRange(c.frame, c.channel), c.slot)
            << c.frame << "/" << c.channel;
        EXPECT_EQ(SlotTable::CheckTableRange(c.frame, c.channel), c.table)
            << c.frame << "/" << c.channel;
    }

    SlotTable table;
    table.RecordAt(1, 128) = Record(kTypeMp3);
    const auto before = Image(table);
    for (auto& [name, call] : AllAccessors()) {
        EXPECT_EQ(call(table, 1, 128), kSlotChannelOutOfRange) << name;
        EXPECT_EQ(call(table, 0, 0), kSlotBothOutOfRange) << name;
    }
    SlotRecord out = Record(9);
    std::string text = "kept";
    EXPECT_EQ(table.GetSlotText(1, 128, text), kSlotChannelOutOfRange);
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(table.GetSlotRecord(1, 128, out));
    EXPECT_EQ(out, Record(9));
    EXPECT_FALSE(table.PutSlotRecord(17, 1, Record(kTypeMp3)));
    EXPECT_FALSE(table.ChannelHasSlots(128));
    EXPECT_EQ(Image(table), before);
}

TEST(SlotTable, SettersByTypeAndValue)
{
    using Set = std::function<SlotResult(SlotTable&)>;
    struct Case
    {
        const char* what;
        std::uint8_t type;
        Set set;
        SlotResult result;
        std::vector<std::pair<std::size_t, int>> changes; // bytes that differ afterwards
    };
    const int old = 0x33; // every parameter byte starts here, so "unchanged" is visible
    const Case cases[] = {
        {"mp3 volume 70",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotVolumeOrSpeed(1, 1, 70); },
         kSlotDone,
         {{record::kVolume, 70}}},
        {"mp3 volume 71",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotVolumeOrSpeed(1, 1, 71); },
         kSlotMp3ValueOutOfRange,
         {}},
        {"text speed 5",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotVolumeOrSpeed(1, 1, 5); },
         kSlotDone,
         {{record::kVolume, 0x50}}},
        {"text speed 6",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotVolumeOrSpeed(1, 1, 6); },
         kSlotTextValueOutOfRange,
         {}},
        {"mp3 repeat 255",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotRepeat(1, 1, 255); },
         kSlotDone,
         {{record::kRepeat, 255}}},
        {"text repeat 100",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotRepeat(1, 1, 100); },
         kSlotTextValueOutOfRange,
         {}},
        {"mp3 low a",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 15, 200); },
         kSlotDone,
         {{record::kLow, 15}}},
        {"mp3 low b",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 16, 3); },
         kSlotDone,
         {{record::kLow, 3}}},
        {"mp3 low none",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 16, 16); },
         kSlotMp3ValueOutOfRange,
         {}},
        {"mp3 high b",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotHighOrStyle(1, 1, 99, 0); },
         kSlotDone,
         {{record::kHigh, 0}}},
        {"colours 6,4",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 6, 4); },
         kSlotDone,
         {{record::kLow, 0x46}}},
        {"colours 1,2",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 1, 2); },
         kSlotTextValueOutOfRange,
         {}},
        {"colours 2,1",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 2, 1); },
         kSlotSecondTextValueOutOfRange,
         {}},
        {"colours 1,1",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotLowOrColors(1, 1, 1, 1); },
         kSlotBothTextValuesOutOfRange,
         {}},
        {"style 5,10",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotHighOrStyle(1, 1, 5, 10); },
         kSlotDone,
         {{record::kHigh, 0xA5}}},
        {"style 2,8",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotHighOrStyle(1, 1, 2, 8); },
         kSlotTextValueOutOfRange,
         {}},
        {"style 3,3",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotHighOrStyle(1, 1, 3, 3); },
         kSlotSecondTextValueOutOfRange,
         {}},
        {"interval 3600",
         kTypeMp3,
         [](SlotTable& t) { return t.SetSlotInterval(1, 1, 3600); },
         kSlotDone,
         {{record::kIntervalHigh, 0x0E}, {record::kIntervalLow, 0x10}}},
        {"interval 3601",
         kTypeText,
         [](SlotTable& t) { return t.SetSlotInterval(1, 1, 3601); },
         kSlotMp3ValueOutOfRange,
         {}},
    };
    for (const Case& c : cases) {
        SlotTable table;
        SlotRecord start = Record(c.type);
        std::fill(start.begin() + record::kVolume, start.begin() + record::kReserved, old);
        table.PutSlotRecord(1, 1, start);
        EXPECT_EQ(c.set(table), c.result) << c.what;
        SlotRecord expected = start;
        for (const auto& [at, value] : c.changes)
            expected[at] = static_cast<std::uint8_t>(value);
        EXPECT_EQ(table.RecordAt(1, 1), expected) << c.what;
    }
}

TEST(SlotTable, EmptyAndUnknownTypes)
{
    SlotTable table;
    table.PutSlotRecord(2, 3, Record(kTypeEmpty, {{record::kRepeat, 42}}));
    table.PutSlotRecord(1, 3, Record(7, {{record::kVolume, 9}}));
    std::uint8_t value = 0, type = 99, b = 0;
    std::uint16_t seconds = 0;

    // Getters read an empty slot like an MP3 slot; setters refuse it.
    EXPECT_EQ(table.GetSlotRepeat(2, 3, value, type), kSlotDone);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(type, kTypeEmpty);
    EXPECT_EQ(table.GetSlotLowOrColors(2, 3, value, b, type), kSlotDone);
    EXPECT_EQ(b, 255);
    for (auto& [name, call] : AllAccessors())
        EXPECT_EQ(call(table, 2, 3), std::string(name).starts_with("Set") ? kSlotEmpty : kSlotDone)
            << name;

    // An unknown type is refused by every accessor but still copied as a record.
    const auto before = Image(table);
    for (auto& [name, call] : AllAccessors())
        EXPECT_EQ(call(table, 1, 3), kSlotUnknownType) << name;
    value = 1;
    EXPECT_EQ(table.GetSlotInterval(1, 3, seconds, type), kSlotUnknownType);
    EXPECT_EQ(table.GetSlotVolumeOrSpeed(1, 3, value, type), kSlotUnknownType);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(Image(table), before);
    SlotRecord copy;
    EXPECT_TRUE(table.GetSlotRecord(1, 3, copy));
    EXPECT_EQ(copy, Record(7, {{record::kVolume, 9}}));
}

TEST(SlotTable, TextSlotGettersSplitNibbles)
{
    SlotTable table;
    table.PutSlotRecord(4, 9,
                        Record(kTypeText, {{record::kVolume, 0x30},
                                           {record::kLow, 0x46},
                                           {record::kHigh, 0xA5},
                                           {record::kIntervalHigh, 1},
                                           {record::kIntervalLow, 2}}));
    std::uint8_t a = 0, b = 0, type = 0;
    std::uint16_t seconds = 0;
    EXPECT_EQ(table.GetSlotVolumeOrSpeed(4, 9, a, type), kSlotDone);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(type, kTypeText);
    table.GetSlotLowOrColors(4, 9, a, b, type);
    EXPECT_EQ(a, 6);
    EXPECT_EQ(b, 4);
    table.GetSlotHighOrStyle(4, 9, a, b, type);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 10);
    table.GetSlotInterval(4, 9, seconds, type);
    EXPECT_EQ(seconds, 258);
}

TEST(SlotTable, ChannelOccupancyAndClearing)
{
    SlotTable table;
    EXPECT_FALSE(table.ChannelHasSlots(5));
    table.PutSlotRecord(16, 5, Record(kTypeText));
    EXPECT_TRUE(table.ChannelHasSlots(5));
    table.RecordAt(1, 1023) = Record(kTypeMp3);
    table.ClearAllSlots();
    EXPECT_EQ(Image(table), Image(SlotTable()));
    EXPECT_EQ(table.RecordAt(1, 1023), EmptyRecord());
    EXPECT_EQ(EmptyRecord(),
              (SlotRecord{0, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', 0, 0, 0, 0, 0, 0, 0}));
}
