// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playtime.h"

#include <gtest/gtest.h>
#include <map>

using namespace cuelist;

namespace {

struct Frame
{
    int frame;
    const char* name; // nullptr: a text slot
    int repeat;
    int interval;
};

SlotTable Channel(std::initializer_list<Frame> frames)
{
    SlotTable table;
    for (const Frame& f : frames) {
        if (!f.name) {
            SlotRecord r = EmptyRecord();
            r[record::kType] = kTypeText;
            table.PutSlotRecord(f.frame, 5, r);
            continue;
        }
        table.SetSlotFile(f.frame, 5, f.name);
        table.SetSlotRepeat(f.frame, 5, std::uint8_t(f.repeat));
        table.SetSlotInterval(f.frame, 5, std::uint16_t(f.interval));
    }
    return table;
}

} // namespace

TEST(PlayTime, ChannelFollowsThePreviewRules)
{
    // Known durations: A 2 s, B 1.5 s, C 0.25 s; M is missing or unplayable; U is not known.
    const std::map<std::string, std::int64_t> known = {
        {"A.MP3", 2000}, {"B.MP3", 1500}, {"C.MP3", 250}, {"M.MP3", kUnplayable}};
    const DurationLookup lookup = [&](const std::string& name) -> std::optional<std::int64_t> {
        const auto it = known.find(name);
        return it == known.end() ? std::nullopt : std::optional(it->second);
    };

    // clang-format off
    struct Case { const char* what; SlotTable table; bool endless; int unknown; std::int64_t ms; int stop = 0; };
    const Case cases[] = {
        {"empty channel", Channel({}), false, 0, 0},
        {"one play, no interval", Channel({{1, "a.mp3", 0, 0}}), false, 0, 2000},
        {"repeat N plays N+1 times, interval after each", Channel({{1, "a.mp3", 2, 10}}), false, 0, 3 * 12000},
        {"gaps and text frames skipped", Channel({{2, "b.mp3", 0, 1}, {4, nullptr, 0, 0}, {16, "c.mp3", 1, 0}}), false, 0, 2500 + 500},
        {"repeat 254 is finite", Channel({{1, "c.mp3", 254, 0}}), false, 0, 255 * 250},
        {"255 is endless; later frames never play", Channel({{1, "a.mp3", 0, 0}, {2, "b.mp3", 255, 0}, {3, "u.mp3", 0, 0}}), true, 0, 2000},
        {"endless first", Channel({{1, "u.mp3", 255, 5}}), true, 0, 0},
        {"unknown duration keeps its intervals", Channel({{1, "u.mp3", 1, 3}, {2, "a.mp3", 0, 0}}), false, 1, 6000 + 2000},
        {"longest interval", Channel({{1, "c.mp3", 0, 3600}}), false, 0, 3600250},
        {"stops at a missing file, after the interval before it", Channel({{1, "a.mp3", 0, 3}, {4, "m.mp3", 0, 9}, {5, "b.mp3", 0, 0}}), false, 0, 5000, 4},
        {"a missing endless frame stops too", Channel({{2, "c.mp3", 1, 0}, {3, "m.mp3", 255, 0}}), false, 0, 500, 3},
        {"a missing file first", Channel({{1, "m.mp3", 0, 1}, {2, "a.mp3", 0, 0}}), false, 0, 0, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        const ChannelPlayTime t = ChannelPlayTimeOf(c.table, 5, lookup);
        EXPECT_EQ(t.endless, c.endless) << c.what;
        EXPECT_EQ(t.unknown, c.unknown) << c.what;
        EXPECT_EQ(t.milliseconds, c.ms) << c.what;
        EXPECT_EQ(t.stopFrame, c.stop) << c.what;
    }
    // Outside the edited channels there is nothing to play.
    EXPECT_EQ(ChannelPlayTimeOf(Channel({{1, "a.mp3", 0, 0}}), 128, lookup).milliseconds, 0);
}
