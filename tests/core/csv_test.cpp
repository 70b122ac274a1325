// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"
#include "tempfolder.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace cuelist;

namespace {

std::string Header(const char* first, const char* frame)
{
    std::string header = first;
    for (int f = 1; f <= kFrameCount; ++f)
        header += std::string(",") + frame + (f < 10 ? "0" : "") + std::to_string(f);
    return header;
}

void PutName(SlotTable& table, int frame, int channel, const char* name)
{
    SlotRecord r = EmptyRecord();
    r[record::kType] = kTypeMp3;
    std::memcpy(r.data() + record::kName, name, std::strlen(name));
    table.RecordAt(frame, channel) = r;
}

} // namespace

TEST(Csv, MatchesTheReferenceFile)
{
    SlotTable table;
    ASSERT_EQ(table.SetSlotFile(1, 1, "abc.mp3"), kSlotDone);
    ASSERT_EQ(table.SetSlotFile(16, 1, "\xEF\xBD\xB1\xEF\xBD\xB2\xEF\xBD\xB3.mp3"), kSlotDone);
    ASSERT_EQ(table.SetSlotFile(3, 2, "a,b.mp3"), kSlotDone);
    PutName(table, 1, 3, "Q\"T"); // no longer storable by name, but a loaded file can hold it
    ASSERT_EQ(table.SetSlotFile(16, 127, "last.mp3"), kSlotDone);
    ASSERT_EQ(table.SetSlotFile(1, 128, "never.mp3"), kSlotDone);

    const std::string csv = BuildCsv(table, Header("Channel", "Set up Frame"));
    const std::vector<std::uint8_t> reference =
        TempFolder::Read(CUELIST_TEST_DATA "/csv_sample_en.csv");
    EXPECT_EQ(csv, std::string(reference.begin(), reference.end()));
}

TEST(Csv, JapaneseHeaderAndLineShape)
{
    const std::string header =
        Header("\xE3\x83\x81\xE3\x83\xA3\xE3\x83\xB3\xE3\x83\x8D\xE3\x83\xAB\xE5\x90\x8D",
               "\xE8\xA8\xAD\xE5\xAE\x9A\xE6\x9E\xA0"); // チャンネル名, 設定枠
    SlotTable table;
    PutName(table, 2, 9, "A\r\nB"); // line breaks read from a file must not split the row
    const std::string csv = BuildCsv(table, header);
    EXPECT_TRUE(csv.starts_with(header + "\r\n"));
    EXPECT_NE(csv.find("0009, ,\"A\r\nB.MP3\", , "), std::string::npos);

    const std::string empty = BuildCsv(SlotTable(), header);
    std::string line = "0001";
    for (int f = 1; f <= kFrameCount; ++f)
        line += ", ";
    EXPECT_NE(empty.find("\r\n" + line + "\r\n0002,"), std::string::npos);
    EXPECT_TRUE(empty.ends_with("\r\n0127, , , , , , , , , , , , , , , , \r\n"));
    std::size_t lines = 0;
    for (std::size_t at = empty.find("\r\n"); at != std::string::npos;
         at = empty.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 128u);
}
