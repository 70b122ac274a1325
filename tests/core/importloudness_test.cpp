// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/importname.h"
#include "core/loudnessmatch.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace cuelist;

namespace {

NameTaken TakenIn(const std::set<std::string>& names)
{
    return [&names](std::string_view upper) { return names.count(std::string(upper)) > 0; };
}

} // namespace

TEST(ImportName, BaseFromSource)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/x/Morning announcement (take 2).wav", "MORNINGA"},
        {"voice-01.flac", "VOICE01"},
        {"/x/y.z/archive", "ARCHIVE"},             // a dot in a folder is no extension
        {"Bahnhof Süd.ogg", "BAHNHOFS"},           // letters outside ASCII are dropped
        {"\xE3\x81\x82\xE3\x81\x84.mp3", "AUDIO"}, // nothing usable left
        {".hidden", "HIDDEN"},
        {"a.b.c.opus", "ABC"},
    };
    for (const auto& [source, base] : cases)
        EXPECT_EQ(ImportBaseName(source), base) << source;
}

TEST(ImportName, UniqueAgainstTakenNamesWithinEightCharacters)
{
    std::set<std::string> taken = {"VOICE.MP3", "LONGNAME.MP3", "LONGNA~1.MP3"};
    EXPECT_EQ(UniqueImportName("FRESH", TakenIn(taken)), "FRESH");
    EXPECT_EQ(UniqueImportName("VOICE", TakenIn(taken)), "VOICE~1");
    EXPECT_EQ(UniqueImportName("LONGNAME", TakenIn(taken)), "LONGNA~2");
    for (int n = 1; n <= 9; ++n)
        taken.insert("LONGNA~" + std::to_string(n) + ".MP3");
    // Two digits take one more letter; every candidate is a name the slot accepts.
    const std::string tenth = UniqueImportName("LONGNAME", TakenIn(taken));
    EXPECT_EQ(tenth, "LONGN~10");
    EXPECT_EQ(CheckImportName(tenth, TakenIn(taken)).result, ImportNameResult::Accepted);
    EXPECT_EQ(UniqueImportName("A", [](std::string_view) { return true; }), "");
}

TEST(ImportName, TypedNamesFollowTheSlotRules)
{
    const std::set<std::string> taken = {"VOICE01.MP3"};
    const struct
    {
        const char* typed;
        ImportNameResult result;
        NameResult refusal;
        const char* stored;
    } cases[] = {
        {"voice02", ImportNameResult::Accepted, kNameAccepted, "VOICE02.MP3"},
        {"voice01", ImportNameResult::Taken, kNameAccepted, ""}, // clash ignoring case
        {"NINECHARS", ImportNameResult::Refused, kNameBadLength, ""},
        {"", ImportNameResult::Refused, kNameBadLength, ""},
        {"A B", ImportNameResult::Refused, kNameHasSpace, ""},
        {" AB", ImportNameResult::Refused, kNameEdgeBlank, ""}, // would be stored as another name
        {"A:B", ImportNameResult::Refused, kNameInvalidCharacter, ""},
        {"\xE3\x81\x82", ImportNameResult::Refused, kNameDoubleByte, ""},
        {"\xEF\xBD\xB1x", ImportNameResult::Accepted, kNameAccepted, "\xEF\xBD\xB1X.MP3"},
    };
    for (const auto& c : cases) {
        const ImportNameCheck check = CheckImportName(c.typed, TakenIn(taken));
        EXPECT_EQ(check.result, c.result) << c.typed;
        EXPECT_EQ(check.refusal, c.refusal) << c.typed;
        EXPECT_EQ(check.upperName, c.stored) << c.typed;
    }
}

TEST(LoudnessMatch, QuietestAsHeardSetsTheTarget)
{
    // Four files 12 dB apart, the loudest already turned down by 6 dB.
    const LoudnessSlot slots[] = {
        {1, 3, 0, -30.0},
        {2, 3, 0, -18.0},
        {3, 3, 0, -6.0},
        {4, 3, 6, 6.0},
    };
    const LoudnessMatch match = MatchLoudness(slots);
    ASSERT_TRUE(match.target);
    EXPECT_DOUBLE_EQ(*match.target, -30.0);
    ASSERT_EQ(match.changes.size(), 3u);
    EXPECT_EQ(match.changes[0].newAttenuation, 12);
    EXPECT_EQ(match.changes[1].newAttenuation, 24);
    EXPECT_EQ(match.changes[2].oldAttenuation, 6);
    EXPECT_EQ(match.changes[2].newAttenuation, 36);
    EXPECT_TRUE(match.louder.empty());

    // A quiet slot that is already turned down sets the target as it is heard; nothing is
    // ever made louder.
    const LoudnessSlot turnedDown[] = {{1, 1, 20, -10.0}, {2, 1, 0, -25.4}};
    const LoudnessMatch down = MatchLoudness(turnedDown);
    EXPECT_DOUBLE_EQ(*down.target, -30.0);
    ASSERT_EQ(down.changes.size(), 1u);
    EXPECT_EQ(down.changes[0].frame, 2);
    EXPECT_EQ(down.changes[0].newAttenuation, 5);
}

TEST(LoudnessMatch, LimitsAndUnmeasuredSlots)
{
    const LoudnessSlot slots[] = {
        {1, 1, 0, -80.0},        {2, 1, 3, -2.5}, // needs 77.5 dB: stays 7.5 LU louder
        {3, 1, 0, std::nullopt},                  // missing file
        {4, 1, 9, -HUGE_VAL},                     // silence
        {5, 1, 70, -9.0},                         // already at the limit: louder, but unchanged
    };
    const LoudnessMatch match = MatchLoudness(slots);
    EXPECT_DOUBLE_EQ(*match.target, -80.0);
    ASSERT_EQ(match.changes.size(), 1u);
    EXPECT_EQ(match.changes[0].newAttenuation, 70);
    ASSERT_EQ(match.louder.size(), 2u);
    EXPECT_NEAR(match.louder[0].excess, 7.5, 1e-9);
    EXPECT_EQ(match.louder[1].frame, 5);
    EXPECT_NEAR(match.louder[1].excess, 1.0, 1e-9);
    ASSERT_EQ(match.unmeasured.size(), 2u);
    EXPECT_EQ(match.unmeasured[1].attenuation, 9);

    const LoudnessSlot none[] = {{1, 1, 0, std::nullopt}};
    EXPECT_FALSE(MatchLoudness(none).target);
    EXPECT_TRUE(MatchLoudness({}).changes.empty());
}
