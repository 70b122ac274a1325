// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/csv.h"
#include "core/describe.h"
#include "core/names.h"
#include "core/playlistfile.h"
#include "fileio/safefile.h"
#include "tempfolder.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <random>

using namespace cuelist;

namespace {

bool IsValidUtf8(const std::string& text)
{
    iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
    std::string copy = text;
    std::vector<char> out(copy.size() * 4 + 4);
    char* in = copy.data();
    char* to = out.data();
    std::size_t inLeft = copy.size(), outLeft = out.size();
    const bool ok = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok && inLeft == 0;
}

std::vector<std::uint8_t> RandomBytes(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

} // namespace

// Whatever a playlist file holds, loading it gives a table the editor can use.
TEST(Robustness, FilesOfAnySizeAndContent)
{
    TempFolder folder;
    std::vector<std::vector<std::uint8_t>> files;
    for (std::size_t size : {0, 1, 100, 261887, 261889})
        files.push_back(RandomBytes(size, unsigned(size)));
    files.push_back(RandomBytes(1 << 20, 20240501));

    for (const auto& content : files) {
        const std::string path = folder / "odd.slp";
        TempFolder::Write(path, content);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(fileio::ReadFileHead(path, bytes, kImageSize).ok());
        ASSERT_EQ(bytes.size(), std::min(content.size(), kImageSize));

        SlotTable table;
        ScanImage(bytes);
        ReadImage(table, bytes);
        RepairAfterLoad(table);
        for (int channel = 1; channel <= kChannelCount; ++channel) {
            for (int frame = 1; frame <= kFrameCount; ++frame) {
                const SlotRecord& r = table.RecordAt(frame, channel);
                const std::uint8_t type = r[record::kType];
                ASSERT_TRUE(type == kTypeEmpty ||
                            (type == kTypeMp3 && channel <= kEditableChannelCount));
                if (type == kTypeMp3) {
                    ASSERT_TRUE(r[record::kLow] == 15 && r[record::kHigh] == 15);
                }
                if (channel <= kEditableChannelCount)
                    DescribeSlot(table, frame, channel);
            }
        }
        const PrecheckResult again = ScanImage(BuildImage(table));
        EXPECT_FALSE(again.unknownType || again.unknownChannel) << content.size();
        EXPECT_EQ(BuildImage(table).size(), kImageSize);
        const std::string csv = BuildCsv(table, "Channel");
        EXPECT_TRUE(IsValidUtf8(csv)) << content.size();
    }
}

TEST(Robustness, MalformedNamesAndBytes)
{
    SlotTable table;
    table.SetSlotFile(1, 1, "keep.mp3");
    const SlotRecord kept = table.RecordAt(1, 1);
    const char* names[] = {"\xC0\xAF.mp3",         "\xED\xA0\x80.mp3", "a\xE3\x81.mp3", "\x80.mp3",
                           "\xF5\x80\x80\x80.mp3", "ab.mp3\xF0\x9F",   "\xFE\xFF"};
    for (const char* name : names) {
        NameResult refusal = kNameAccepted;
        EXPECT_EQ(table.SetSlotFile(1, 1, name, &refusal), kSlotNameRefused) << name;
        EXPECT_EQ(refusal, kNameDoubleByte) << name;
        EXPECT_EQ(table.RecordAt(1, 1), kept);
    }
    EXPECT_EQ(CheckSlotFileName(std::string_view("a\0b.mp3", 7)).result, kNameInvalidCharacter);

    // Any byte pair, and random text, converts to valid UTF-8.
    std::string all;
    for (int hi = 0; hi < 256; ++hi)
        for (int lo = 0; lo < 256; ++lo)
            all += {static_cast<char>(hi), static_cast<char>(lo), ' '};
    EXPECT_TRUE(IsValidUtf8(Cp932ToUtf8(all)));
    const auto noise = RandomBytes(4096, 7);
    const std::string text(noise.begin(), noise.end());
    EXPECT_TRUE(IsValidUtf8(Cp932ToUtf8(text)));
    std::string cp932;
    EXPECT_FALSE(Utf8ToCp932(text, cp932));
    EXPECT_EQ(CheckSlotFileName(text).result, kNameDoubleByte);
}
