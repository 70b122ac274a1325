// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolder.h"
#include "tempfolder.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace cuelist;
namespace fs = std::filesystem;

namespace {

void MakeFile(const std::string& path, std::uint64_t size)
{
    TempFolder::Write(path, {});
    fs::resize_file(path, size); // sparse: big sizes cost no disk
}

SlotTable TableNaming(std::initializer_list<const char*> names)
{
    SlotTable table;
    int slot = 0;
    for (const char* name : names) {
        EXPECT_EQ(table.SetSlotFile(slot % kFrameCount + 1, slot / kFrameCount + 1, name),
                  kSlotDone);
        ++slot;
    }
    return table;
}

} // namespace

TEST(DataFolder, PathRules)
{
    EXPECT_EQ(DataFolderPathFor("/home/u/lists/list.slp"), "/home/u/lists/data/");
    EXPECT_EQ(DataFolderPathFor("list.slp"), "data/");
    for (const char* yes : {"/a/list.slp", "/a/LIST.SLP", "/a/x.Slp", "slp", "/a.b/c.d.sLp"})
        EXPECT_TRUE(HasPlaylistExtension(yes)) << yes;
    for (const char* no : {"/a/list.slpx", "/a/list.txt", "/a/list.", "/a.slp/list", ""})
        EXPECT_FALSE(HasPlaylistExtension(no)) << no;
    for (const char* yes : {"/show/DATA/A.MP3", "/show/data/a.mp3", "/Data/x", "DATA/x"})
        EXPECT_TRUE(IsInFolderNamedData(yes)) << yes;
    for (const char* no :
         {"/show/music/A.MP3", "/show/DATA", "/show/MYDATA/A.MP3", "/DATA/x/A.MP3", "A.MP3"})
        EXPECT_FALSE(IsInFolderNamedData(no)) << no;
}

TEST(DataFolder, FolderFoundIgnoringCase)
{
    for (const char* spelling : {"DATA", "data", "Data"}) {
        TempFolder folder;
        fs::create_directory(folder / spelling);
        const std::string real = fs::canonical(folder / spelling).string() + "/";
        EXPECT_EQ(ResolveFolderIgnoringCase(folder / "data/"), real) << spelling;
        EXPECT_EQ(ResolveFolderIgnoringCase(folder / "DATA"), real) << spelling;
        EXPECT_EQ(ResolveFolderIgnoringCase(folder / "dada/"), "") << spelling;
    }
    TempFolder folder;
    fs::create_directory(folder / "data");
    fs::create_directory(folder / "DATA");
    TempFolder::Write(folder / "Data", {}); // a file, not a folder
    EXPECT_EQ(ResolveFolderIgnoringCase(folder / "DATA/"),
              fs::canonical(folder / "DATA").string() + "/");
    EXPECT_EQ(ResolveFolderIgnoringCase(folder / "data/"),
              fs::canonical(folder / "data").string() + "/");
    EXPECT_EQ(ResolveFolderIgnoringCase(folder / "Data/"),
              fs::canonical(folder / "DATA").string() + "/");
    EXPECT_EQ(ResolveFolderIgnoringCase(folder / "none/data/"), "");
}

// DATA and data side by side: both are named, the one whose files are used first.
TEST(DataFolder, SpellingsNameEveryFolderOfTheName)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "DATA");
    EXPECT_TRUE(DataFolderSpellings(folder / "data/").empty()); // one folder: nothing to say
    std::filesystem::create_directory(folder / "data");
    TempFolder::Write(folder / "Data", {}); // a file does not count
    EXPECT_EQ(DataFolderSpellings(folder / "data/"), (std::vector<std::string>{"data", "DATA"}));
    EXPECT_EQ(DataFolderSpellings(folder / "DATA"), (std::vector<std::string>{"DATA", "data"}));
    EXPECT_EQ(DataFolderSpellings(folder / "dAtA/"), (std::vector<std::string>{"DATA", "data"}));
    // The first one named is the one the look-ups use.
    EXPECT_EQ(ResolveFolderIgnoringCase(folder / "dAtA/"),
              ResolveFolderIgnoringCase(folder / "DATA"));
    EXPECT_TRUE(DataFolderSpellings(folder / "none/data/").empty());
}

TEST(DataFolder, OutsideTestComparesRealFolders)
{
    TempFolder folder;
    fs::create_directories(folder / "show/DATA");
    fs::create_directories(folder / "other/DATA");
    fs::create_directory_symlink(folder / "show", folder / "link");
    const std::string data = folder / "show/data/";

    EXPECT_FALSE(IsOutsideDataFolder(folder / "show/DATA/X.MP3", data));
    EXPECT_FALSE(IsOutsideDataFolder(folder / "link/DATA/X.MP3", data));
    EXPECT_TRUE(IsOutsideDataFolder(folder / "other/DATA/X.MP3", data));
    EXPECT_TRUE(IsOutsideDataFolder(folder / "show/X.MP3", data));
    // Without the folder on disk the paths are compared as text, ignoring case.
    EXPECT_FALSE(IsOutsideDataFolder("/nowhere/show/data/a.mp3", "/NOWHERE/SHOW/DATA/"));
    EXPECT_TRUE(IsOutsideDataFolder("/nowhere/show/data/a.mp3", "/nowhere/other/data/"));
}

TEST(DataFolder, MissingFilesAndLookups)
{
    TempFolder folder;
    MakeFile(folder / "Data/voice01.mp3", 10);
    MakeFile(folder / "Data/VOICE02.MP3", 20);
    MakeFile(folder / "Data/voice02.mp3", 30);
    fs::create_directory(folder / "Data/SUB.MP3");
    const DataFolderListing listing(folder / "data/");
    ASSERT_TRUE(listing.Exists());
    EXPECT_EQ(listing.Folder(), fs::canonical(folder / "Data").string() + "/");
    ASSERT_NE(listing.Find("VOICE01.MP3"), nullptr);
    EXPECT_EQ(listing.Find("VOICE01.MP3")->name, "voice01.mp3");
    EXPECT_EQ(listing.Find("voice02.mp3")->size, 30u); // an exact spelling wins
    EXPECT_EQ(listing.Find("VOICE02.MP3")->size, 20u);
    EXPECT_EQ(listing.Find("Voice02.Mp3")->size, 20u); // else the upper-case one
    EXPECT_EQ(listing.Find("SUB.MP3"), nullptr);       // folders are no files

    SlotTable table = TableNaming({"b.mp3", "voice01.mp3", "a.mp3", "B.MP3", "sub.mp3", "a.mp3"});
    SlotRecord early = table.RecordAt(1, 1); // a name field ends at a zero byte: B.MP3 again
    std::memcpy(early.data() + record::kName, "B\0ZZ    ", 8);
    table.PutSlotRecord(1, 2, early);
    EXPECT_EQ(MissingFiles(table, listing),
              (std::vector<std::string>{"A.MP3", "B.MP3", "SUB.MP3"}));
    const DataFolderListing none(folder / "elsewhere/data/");
    EXPECT_FALSE(none.Exists());
    EXPECT_EQ(MissingFiles(table, none).size(), 4u);
    EXPECT_EQ(TotalDataSizeKb(table, none), 0u);
}

TEST(DataFolder, TotalSizeCountsEachFileOnce)
{
    struct Case
    {
        std::vector<std::uint64_t> sizes;
        std::uint64_t kb;
    }; // files F0.MP3, F1.MP3...
    // clang-format off
    const Case cases[] = {{{}, 0}, {{1}, 1}, {{1024}, 1}, {{1025}, 2}, {{1048576}, 1024}, {{1048577}, 1025},
                          {{1048575, 2}, 1025}, {{3ull << 30, 3ull << 30}, 6ull << 20}}; // past 4 GiB
    // clang-format on
    for (const Case& c : cases) {
        TempFolder folder;
        SlotTable table;
        for (std::size_t k = 0; k < c.sizes.size(); ++k) {
            const std::string name = "F" + std::to_string(k).append(".MP3");
            MakeFile(folder / ("DATA/" + name), c.sizes[k]);
            for (int frame = 1; frame <= kFrameCount; ++frame) // the same file in 16 slots
                table.SetSlotFile(frame, int(k) + 1, name);
        }
        table.SetSlotFile(1, 127, "GONE.MP3");
        fs::create_directories(folder / "DATA");
        EXPECT_EQ(TotalDataSizeKb(table, DataFolderListing(folder / "data/")), c.kb) << c.kb;
    }

    // Slot names differing only in case (possible in loaded files) name one file.
    TempFolder folder;
    MakeFile(folder / "DATA/abc.mp3", 2048);
    SlotTable table = TableNaming({"ABC.MP3", "ABC.MP3"});
    table.RecordAt(2, 1)[record::kName] = 'a';
    EXPECT_EQ(TotalDataSizeKb(table, DataFolderListing(folder / "DATA")), 2u);
}

TEST(DataFolder, ThousandsGrouping)
{
    // clang-format off
    const std::pair<std::uint64_t, const char*> cases[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {123456, "123,456"},
        {1234567, "1,234,567"}, {18446744073709551615ull, "18,446,744,073,709,551,615"}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(GroupThousands(value), text);
}
