// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playlistfile.h"
#include "tempfolder.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace cuelist;

namespace {

std::size_t Offset(int frame, int channel)
{
    return (std::size_t(channel - 1) * kFrameCount + std::size_t(frame - 1)) * kRecordSize;
}

std::vector<std::uint8_t> EmptyImage()
{
    return BuildImage(SlotTable());
}

void Put(std::vector<std::uint8_t>& image, int frame, int channel, const SlotRecord& r)
{
    std::copy(r.begin(), r.end(), image.begin() + std::ptrdiff_t(Offset(frame, channel)));
}

SlotRecord Mp3(const char* name, std::uint8_t low, std::uint8_t high)
{
    SlotRecord r = EmptyRecord();
    r[record::kType] = kTypeMp3;
    std::copy(name, name + std::strlen(name), r.begin() + record::kName);
    r[record::kVolume] = 12;
    r[record::kRepeat] = 3;
    r[record::kLow] = low;
    r[record::kHigh] = high;
    r[record::kIntervalLow] = 30;
    r[record::kReserved] = 0x55;
    return r;
}

} // namespace

TEST(PlaylistFile, ImageIsTheTableByteForByte)
{
    SlotTable table;
    ASSERT_EQ(table.SetSlotFile(3, 2, "voice.mp3"), kSlotDone);
    const std::vector<std::uint8_t> image = BuildImage(table);
    ASSERT_EQ(image.size(), 261888u);
    std::vector<std::uint8_t> expected = EmptyImage();
    Put(expected, 3, 2, table.RecordAt(3, 2));
    EXPECT_EQ(Offset(3, 2), 288u);
    EXPECT_EQ(image, expected);
}

TEST(PlaylistFile, ShortAndLongImagesRead)
{
    // A 100-byte file: six records, then four bytes of a seventh over an empty record.
    std::vector<std::uint8_t> file = TempFolder::Read(CUELIST_TEST_DATA "/short100.slp");
    ASSERT_EQ(file.size(), 100u);
    SlotTable table;
    ReadImage(table, file);
    std::vector<std::uint8_t> expected = EmptyImage();
    std::copy(file.begin(), file.end(), expected.begin());
    EXPECT_EQ(BuildImage(table), expected);
    EXPECT_EQ(table.RecordAt(7, 1)[4], ' ');

    // Bytes past the table are ignored.
    std::vector<std::uint8_t> longer(kImageSize + 5, 0x01);
    ReadImage(table, longer);
    EXPECT_EQ(BuildImage(table), std::vector<std::uint8_t>(kImageSize, 0x01));
}

TEST(PlaylistFile, PrecheckFindsUnknownTypesAndChannels)
{
    // clang-format off
    struct Case { const char* what; int frame, channel; std::uint8_t type; std::size_t length; bool unknownType, unknownChannel; };
    const Case cases[] = {
        {"clean", 1, 1, kTypeMp3, kImageSize, false, false},
        {"text slot", 4, 5, kTypeText, kImageSize, true, false},
        {"type 255", 16, 127, 255, kImageSize, true, false},
        {"mp3 on 200", 1, 200, kTypeMp3, kImageSize, false, true},
        {"first slot past the editable ones", 1, 128, kTypeMp3, kImageSize, false, true},
        {"last record", 16, 1023, 9, kImageSize, false, true},
        {"cut before it", 1, 200, kTypeMp3, Offset(1, 200), false, false},
        {"only its type byte", 1, 200, kTypeMp3, Offset(1, 200) + 1, false, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::uint8_t> image = EmptyImage();
        image[Offset(c.frame, c.channel)] = c.type;
        image.resize(c.length);
        const PrecheckResult found = ScanImage(image);
        EXPECT_EQ(found.unknownType, c.unknownType) << c.what;
        EXPECT_EQ(found.unknownChannel, c.unknownChannel) << c.what;
    }
    const PrecheckResult none = ScanImage({});
    EXPECT_FALSE(none.unknownType || none.unknownChannel);
}

TEST(PlaylistFile, RepairKeepsExactlyWhatTheEditorUses)
{
    std::vector<std::uint8_t> image = EmptyImage();
    Put(image, 1, 1, Mp3("KEEP", 0, 3));
    Put(image, 2, 1, Mp3("ODD", 1, 1));
    image[Offset(2, 1)] = 7;
    Put(image, 1, 5, Mp3("TEXT", 1, 1));
    image[Offset(1, 5)] = kTypeText;
    Put(image, 1, 200, Mp3("HIGH", 1, 1));
    SlotRecord quiet = Mp3("QUIET", 1, 1); // an empty type with leftover bytes stays as read
    quiet[record::kType] = kTypeEmpty;
    Put(image, 3, 300, quiet);

    SlotTable table;
    ReadImage(table, image);
    const std::vector<RemovedRecord> removed = RepairAfterLoad(table);

    ASSERT_EQ(removed.size(), 3u);
    EXPECT_EQ(std::tie(removed[0].channel, removed[0].frame, removed[0].type), std::tuple(1, 2, 7));
    EXPECT_EQ(std::tie(removed[1].channel, removed[1].frame, removed[1].type), std::tuple(5, 1, 2));
    EXPECT_EQ(std::tie(removed[2].channel, removed[2].frame, removed[2].type),
              std::tuple(200, 1, 1));

    std::vector<std::uint8_t> expected = EmptyImage();
    Put(expected, 1, 1, Mp3("KEEP", 15, 15));
    Put(expected, 3, 300, quiet);
    EXPECT_EQ(BuildImage(table), expected);
    EXPECT_TRUE(RepairAfterLoad(table).empty());
}
