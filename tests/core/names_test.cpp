// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names.h"
#include "core/slottable.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace cuelist;

namespace {

struct NameCase
{
    const char* name;
    NameResult result;
    const char* base; // stored base name (CP932 bytes) when accepted
};

std::string Bytes(const SlotRecord& r, std::size_t from, std::size_t count)
{
    return std::string(reinterpret_cast<const char*>(r.data() + from), count);
}

} // namespace

TEST(Names, FaultsAndTheirOrder)
{
    // clang-format off
    const NameCase cases[] = {
        {"abc.mp3", kNameAccepted, "ABC"}, {" \tabc.mp3 \r\n", kNameAccepted, "ABC"},
        {"ABCDEFGH.MP3", kNameAccepted, "ABCDEFGH"}, {"a.b.Mp3", kNameAccepted, "A.B"},
        {"\xEF\xBD\xB1\xEF\xBD\xB2z.mp3", kNameAccepted, "\xB1\xB2Z"}, // half-width katakana stay single
        {"ABCDEFGHI.MP3", kNameBadLength, nullptr}, {".MP3", kNameBadLength, nullptr},
        {"ABC.WAV", kNameNotMp3, nullptr}, {"ABCDEFGHI.WAV", kNameNotMp3, nullptr}, // extension before length
        {"AB D.MP3", kNameHasSpace, nullptr},
        {"\xE3\x81\x82 B.mp3", kNameDoubleByte, nullptr},      // double-byte before space
        {"A\xE3\x80\x80" "B.mp3", kNameDoubleByte, nullptr},   // ideographic space inside a name
        {"A B:.wav", kNameHasSpace, nullptr},                   // space before invalid character
        {"A:B.wav", kNameInvalidCharacter, nullptr},            // invalid character before extension
        {"A*BCDEFGHIJ.txt", kNameInvalidCharacter, nullptr}, {"a\tb.mp3", kNameInvalidCharacter, nullptr},
        {"q\"t.mp3", kNameInvalidCharacter, nullptr},
        {"\xC2\xA5.mp3", kNameDoubleByte, nullptr},             // yen sign: no single-byte form of its own
        {"\xFF.mp3", kNameDoubleByte, nullptr},                 // invalid UTF-8
        {"ABCDEFGHIJKL\xE3\x81\x82.mp3", kNameBadLength, nullptr}, // double-byte past byte 12
    };
    // clang-format on
    for (const NameCase& c : cases) {
        const NameCheck check = CheckSlotFileName(c.name);
        EXPECT_EQ(check.result, c.result) << c.name;
        EXPECT_FALSE(check.blank) << c.name;
        if (c.base != nullptr) {
            EXPECT_EQ(check.base, c.base) << c.name;
        }
    }
    for (const char* blank : {"", "   ", "\xE3\x80\x80\xE3\x80\x80", " \xE3\x80\x80 "})
        EXPECT_TRUE(CheckSlotFileName(blank).blank) << blank;
    EXPECT_EQ(CheckSlotFileName("\t").result, kNameNotMp3); // only spaces make a name blank
}

TEST(Names, SetSlotFileStoresClearsOrRefuses)
{
    SlotTable table;
    SlotRecord dirty = EmptyRecord();
    dirty[record::kType] = kTypeMp3;
    std::fill(dirty.begin() + record::kVolume, dirty.end(), 0x77);
    table.PutSlotRecord(1, 1, dirty);

    NameResult refusal = kNameAccepted;
    EXPECT_EQ(table.SetSlotFile(1, 1, "AB D.MP3", &refusal), kSlotNameRefused);
    EXPECT_EQ(refusal, kNameHasSpace);
    EXPECT_EQ(table.RecordAt(1, 1), dirty);

    EXPECT_EQ(table.SetSlotFile(1, 1, "  abc.mp3 "), kSlotDone);
    const SlotRecord stored = {1, 'A', 'B', 'C', ' ', ' ', ' ', ' ', ' ', 0, 0, 15, 15, 0, 0, 0};
    EXPECT_EQ(table.RecordAt(1, 1), stored);
    std::string text;
    EXPECT_EQ(table.GetSlotText(1, 1, text), kSlotDone);
    EXPECT_EQ(text, "ABC.MP3");

    EXPECT_EQ(table.SetSlotFile(1, 1, "\xE3\x80\x80"), kSlotDone);
    EXPECT_EQ(table.RecordAt(1, 1), EmptyRecord());
    EXPECT_EQ(table.GetSlotText(1, 1, text), kSlotDone);
    EXPECT_EQ(text, " ");

    // The name store reaches the whole table; the editable range does not.
    EXPECT_EQ(table.SetSlotFile(1, 1000, "A.MP3"), kSlotDone);
    EXPECT_EQ(Bytes(table.RecordAt(1, 1000), record::kName, 8), "A       ");
    EXPECT_EQ(table.SetSlotFile(1, 1000, " "), kSlotDone);
    EXPECT_EQ(table.RecordAt(1, 1000), EmptyRecord());
    EXPECT_EQ(table.SetSlotFile(17, 1024, "A.MP3"), kSlotBothOutOfRange);
}

TEST(Names, SlotTextOfEveryType)
{
    SlotTable table;
    SlotRecord r = EmptyRecord();
    r[record::kType] = kTypeText;
    std::memcpy(r.data() + record::kName, "NOTE\t   ", 8);
    table.PutSlotRecord(1, 2, r);
    std::memcpy(r.data() + record::kName, "AB\0CD   ", 8); // a name field ends at a zero byte
    r[record::kType] = kTypeMp3;
    table.PutSlotRecord(2, 2, r);
    r[record::kType] = 3;
    table.PutSlotRecord(3, 2, r);

    std::string text = "x";
    EXPECT_EQ(table.GetSlotText(1, 2, text), kSlotDone);
    EXPECT_EQ(text, "NOTE.TXT");
    EXPECT_EQ(table.GetSlotText(2, 2, text), kSlotDone);
    EXPECT_EQ(text, "AB.MP3");
    EXPECT_EQ(table.GetSlotText(3, 2, text), kSlotUnknownType);
    EXPECT_EQ(text, "");
}

TEST(Names, Cp932Conversions)
{
    EXPECT_EQ(Cp932ToUtf8("A\xB1\x82\xA0\x81\x40"), "A\xEF\xBD\xB1\xE3\x81\x82\xE3\x80\x80");
    // Undecodable bytes show as U+FFFD one by one; a lone lead byte at the end too.
    EXPECT_EQ(Cp932ToUtf8("\x80Z\xFF\x82"), "\xEF\xBF\xBDZ\xEF\xBF\xBD\xEF\xBF\xBD");

    std::string cp932;
    EXPECT_TRUE(Utf8ToCp932("A\xEF\xBD\xB1\xE3\x81\x82", cp932));
    EXPECT_EQ(cp932, "A\xB1\x82\xA0");
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x8E\xB5x", cp932)); // no CP932 form
    EXPECT_EQ(cp932, "?x");
    EXPECT_FALSE(Utf8ToCp932("\xC2\xA5", cp932)); // one-way mapping onto the backslash
    EXPECT_FALSE(Utf8ToCp932("\xE3\x81", cp932)); // truncated sequence
}

TEST(Names, FileNamesWithEdgeBlanksAreRefused)
{
    for (const char* name :
         {"VOICE01.MP3 ", " LEAD.MP3", "TAB.MP3\t", "\tA.MP3", "A.MP3\xe3\x80\x80"})
        EXPECT_EQ(CheckFileNameEdges(name), kNameEdgeBlank) << name;
    for (const char* name : {"VOICE01.MP3", "A B.MP3", "", "\xef\xbd\xb6.MP3", "\xff"})
        EXPECT_EQ(CheckFileNameEdges(name), kNameAccepted) << name;
}
