// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/tempfolder.h"
#include "audiosource.h"
#include "media/durationcache.h"
#include "media/importaudio.h"
#include "media/loudness.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace cuelist;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Listing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The first MPEG frame header's bit rate index, sample rate index and channel mode.
struct FrameHeader
{
    int bitrateIndex = -1, rateIndex = -1, mode = -1;
};
FrameHeader FirstFrame(const std::string& path)
{
    const auto bytes = TempFolder::Read(path);
    for (std::size_t i = 0; i + 4 <= bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] & 0xFE) == 0xFA) // MPEG-1 layer III
            return {bytes[i + 2] >> 4, (bytes[i + 2] >> 2) & 3, bytes[i + 3] >> 6};
    return {};
}

} // namespace

TEST(ImportAudio, EveryFormatBecomesCleanMp3UnderItsName)
{
    TempFolder temp;
    const std::string data = temp / "DATA/";
    fs::create_directories(data);
    ASSERT_TRUE(WriteTone(temp / "a.wav", "wavenc", 0.3, 1500, 48000, 2));
    ASSERT_TRUE(WriteTone(temp / "b.flac", "flacenc", 0.3, 1500, 22050, 1));
    ASSERT_TRUE(WriteTone(temp / "c.ogg", "vorbisenc ! oggmux", 0.3, 1500, 44100, 2));
    TempFolder::Write(temp / "notes.txt", {'h', 'e', 'l', 'l', 'o'});
    ASSERT_EQ(::mkfifo((temp / "pipe.wav").c_str(), 0600), 0);
    TempFolder::Write(data + "taken.mp3", {1});

    const std::vector<ImportItem> items = {
        {temp / "a.wav", "A.MP3"},       {temp / "b.flac", "B.MP3"},
        {temp / "c.ogg", "C.MP3"},       {temp / "notes.txt", "NOTES.MP3"},
        {temp / "pipe.wav", "PIPE.MP3"}, {temp / "a.wav", "TAKEN.MP3"},
        {temp / "missing.wav", "M.MP3"},
    };
    std::vector<double> seen;
    const ImportOutcome outcome =
        ImportAudioFiles(items, data, {}, [&](double f) { seen.push_back(f); });
    ASSERT_FALSE(outcome.cancelled);
    EXPECT_TRUE(outcome.items[0].ok());
    EXPECT_TRUE(outcome.items[1].ok());
    EXPECT_TRUE(outcome.items[2].ok());
    EXPECT_EQ(outcome.items[3].transcode.fault, TranscodeFault::NotAudio);
    EXPECT_EQ(outcome.items[4].transcode.fault, TranscodeFault::NotRegular);
    EXPECT_TRUE(outcome.items[5].taken); // another letter case on disk
    EXPECT_EQ(outcome.items[6].transcode.fault, TranscodeFault::NotRegular);
    // Nothing but the three new files; no temporary file is left behind.
    EXPECT_EQ(Listing(data), (std::vector<std::string>{"A.MP3", "B.MP3", "C.MP3", "taken.mp3"}));
    EXPECT_EQ(TempFolder::Read(data + "taken.mp3"), std::vector<std::uint8_t>{1});
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);

    // 128 kbps at 44.1 kHz whatever the source; mono stays mono (mode 3), stereo stays two.
    for (const char* name : {"A.MP3", "B.MP3", "C.MP3"}) {
        const FrameHeader header = FirstFrame(data + name);
        EXPECT_EQ(header.bitrateIndex, 9) << name;
        EXPECT_EQ(header.rateIndex, 0) << name;
        EXPECT_EQ(header.mode == 3, std::string(name) == "B.MP3") << name;
        const auto length = MeasureDuration(data + name);
        ASSERT_TRUE(length) << name;
        EXPECT_NEAR(double(*length), 1500.0, 120.0) << name;
    }
}

TEST(ImportAudio, CancelLeavesNothingBehind)
{
    TempFolder temp;
    const std::string data = temp / "data/";
    fs::create_directories(data);
    TempFolder::Write(data + "OLD.MP3", {1, 2});
    ASSERT_TRUE(WriteTone(temp / "long.wav", "wavenc", 0.3, 20000));
    std::atomic<bool> cancel{false};
    const std::vector<ImportItem> items = {{temp / "long.wav", "FIRST.MP3"},
                                           {temp / "long.wav", "SECOND.MP3"}};
    // The first file is done when the cancel comes during the second.
    const ImportOutcome outcome = ImportAudioFiles(
        items, data, {},
        [&](double f) {
            if (f > 0.6)
                cancel = true;
        },
        &cancel);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(Listing(data), std::vector<std::string>{"OLD.MP3"});
}

TEST(Loudness, MeasuresTonesAndKeepsResultsWhileFilesStayTheSame)
{
    TempFolder temp;
    // Amplitudes 0.1 and 0.4 are 12 dB apart; a 997 Hz sine at 0.1 measures about -23 LUFS.
    ASSERT_TRUE(WriteTone(temp / "quiet.mp3", "lamemp3enc", 0.1, 3000));
    ASSERT_TRUE(WriteTone(temp / "loud.mp3", "lamemp3enc", 0.4, 3000));
    const auto quiet = MeasureLoudness(temp / "quiet.mp3");
    const auto loud = MeasureLoudness(temp / "loud.mp3");
    ASSERT_TRUE(quiet && loud);
    EXPECT_NEAR(quiet->lufs, -23.0, 0.7);
    EXPECT_NEAR(loud->lufs - quiet->lufs, 12.04, 0.3);
    EXPECT_NEAR(quiet->truePeakDb, -20.0, 0.7);

    TempFolder::Write(temp / "text.mp3", {'n', 'o', 't', ' ', 'a', 'u', 'd', 'i', 'o'});
    ASSERT_EQ(::mkfifo((temp / "fifo.mp3").c_str(), 0600), 0);
    EXPECT_FALSE(MeasureLoudness(temp / "text.mp3"));
    EXPECT_FALSE(MeasureLoudness(temp / "fifo.mp3")); // returns at once instead of blocking
    EXPECT_FALSE(MeasureLoudness(temp / "none.mp3"));

    const std::string cacheFile = temp / "cache/loudness.tsv";
    {
        LoudnessCache cache(cacheFile);
        const auto values =
            ReadLoudness({temp / "quiet.mp3", temp / "text.mp3", temp / "none.mp3"}, cache);
        ASSERT_TRUE(values[0]);
        EXPECT_EQ(*values[0], *quiet);
        EXPECT_FALSE(values[1]);
        EXPECT_FALSE(values[2]);
        ASSERT_TRUE(cache.Save());
    }
    LoudnessCache kept(cacheFile);
    kept.Load();
    const auto stamp = fileio::StampOf(temp / "quiet.mp3");
    const auto entry = kept.Find(temp / "quiet.mp3", stamp);
    ASSERT_TRUE(entry && entry->loudness);
    EXPECT_NEAR(entry->loudness->lufs, quiet->lufs, 0.001);
    ASSERT_TRUE(kept.Find(temp / "text.mp3", fileio::StampOf(temp / "text.mp3")));
    // A rewritten file is measured again: the kept value no longer applies.
    fs::copy_file(temp / "loud.mp3", temp / "quiet.mp3", fs::copy_options::overwrite_existing);
    EXPECT_FALSE(kept.Find(temp / "quiet.mp3", fileio::StampOf(temp / "quiet.mp3")));
    const auto again = ReadLoudness({temp / "quiet.mp3"}, kept);
    ASSERT_TRUE(again[0]);
    EXPECT_NEAR(again[0]->lufs, loud->lufs, 0.001);
}

// The loudness cache is read the way the lengths cache is: a FIFO in its place never holds
// up the start, and damaged lines are left out while good ones are kept.
TEST(LoudnessCacheFile, HostileCacheFilesAreSkipped)
{
    TempFolder temp;
    const std::string fifo = temp / "fifo.tsv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    LoudnessCache fromFifo(fifo);
    fromFifo.Load(); // would wait for a writer forever if it opened the FIFO to read

    fileio::FileStamp stamp;
    stamp.exists = true;
    stamp.size = 1;
    stamp.modifiedNs = 2;
    stamp.changedNs = 3;
    stamp.inode = 4;
    const std::string file = temp / "loudness.tsv";
    const std::string text = "cuelist-loudness 2\n"
                             "1\t2\t3\t4\t-20.500\t-1.250\t/a/good.mp3\n"
                             "1\t2\t3\t4\tloud\t-1.250\t/a/bad.mp3\n"
                             "1\t2\t3\t-20.500\t-1.250\t/a/short.mp3\n"
                             "1\t2\t3\t4\tnone\tnone\trelative.mp3\n";
    TempFolder::Write(file, std::vector<std::uint8_t>(text.begin(), text.end()));
    LoudnessCache cache(file);
    cache.Load();
    const auto good = cache.Find("/a/good.mp3", stamp);
    ASSERT_TRUE(good && good->loudness);
    EXPECT_EQ(*good->loudness, (Loudness{-20.5, -1.25}));
    for (const char* path : {"/a/bad.mp3", "/a/short.mp3", "relative.mp3"})
        EXPECT_FALSE(cache.Find(path, stamp)) << path;
}
