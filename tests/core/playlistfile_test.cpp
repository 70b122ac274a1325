#include "core/playlistfile.h"
#include "tempfolder.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

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

TEST(PlaylistFile, AtomicWriteReplacesOrLeavesTheOldFile)
{
    TempFolder folder;
    const std::string path = folder / "list.slp";
    const std::vector<std::uint8_t> old(1000, 0xAA);
    const std::vector<std::uint8_t> fresh = EmptyImage();
    ASSERT_EQ(WriteFileAtomically(path, old), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);

    ASSERT_EQ(WriteFileAtomically(path, fresh), 0);
    EXPECT_EQ(TempFolder::Read(path), fresh);
    struct stat st
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    std::vector<std::uint8_t> back;
    EXPECT_EQ(ReadFileBytes(path, back), 0);
    EXPECT_EQ(back, fresh);
    EXPECT_EQ(ReadFileBytes(path, back, 10), 0);
    EXPECT_EQ(back.size(), 10u);
    EXPECT_EQ(ReadFileBytes(folder / "absent.slp", back), ENOENT);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(folder / "fifo", back), 0); // no writer: empty, no hang
    EXPECT_TRUE(back.empty());
    std::filesystem::remove(folder / "fifo");

    // Saving through a symbolic link replaces the file it points to and keeps the link.
    std::filesystem::create_symlink(path, folder / "link.slp");
    ASSERT_EQ(WriteFileAtomically(folder / "link.slp", old), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.slp"));
    EXPECT_EQ(TempFolder::Read(path), old);
    std::filesystem::remove(folder / "link.slp");

    // A write that runs out of room (here: the file size limit, which binds root too)
    // fails, leaves the old file byte-identical and no temporary file behind.
    ASSERT_EQ(WriteFileAtomically(path, old), 0);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const int error = WriteFileAtomically(path, fresh);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(TempFolder::Read(path), old);

    std::filesystem::create_directory(folder / "dir.slp");
    EXPECT_NE(WriteFileAtomically(folder / "dir.slp", fresh), 0);
    EXPECT_EQ(WriteFileAtomically(folder / "missing/list.slp", fresh), ENOENT);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder / ""))
        ++entries;
    EXPECT_EQ(entries, 2u); // list.slp and dir.slp
}
