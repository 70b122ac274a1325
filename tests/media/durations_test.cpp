// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/durationcache.h"
#include "media/mp3frames.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace cuelist;
using Bytes = std::vector<std::uint8_t>;

namespace {

// `count` frames of silence-sized payload with the given 4-byte header.
Bytes Frames(int count, std::array<std::uint8_t, 4> header, int length)
{
    Bytes bytes;
    for (int i = 0; i < count; ++i) {
        bytes.insert(bytes.end(), header.begin(), header.end());
        bytes.resize(bytes.size() + std::size_t(length - 4), 0);
    }
    return bytes;
}
constexpr std::array<std::uint8_t, 4> kMpeg1 = {0xFF, 0xFB, 0x90, 0x44}; // 128 kbit/s, 44.1 kHz
constexpr int kMpeg1Length = 417;
constexpr std::array<std::uint8_t, 4> kMpeg2 = {0xFF, 0xF3, 0x80,
                                                0xC4}; // 64 kbit/s, 22.05 kHz, mono
constexpr int kMpeg2Length = 208;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

Bytes XingFrame(std::uint32_t frames)
{
    Bytes frame = Frames(1, kMpeg1, kMpeg1Length);
    const std::size_t at = 4 + 32; // side information of a two-channel MPEG-1 frame
    const Bytes tag = Text("Info") + Bytes{0, 0, 0, 1} +
                      Bytes{std::uint8_t(frames >> 24), std::uint8_t(frames >> 16),
                            std::uint8_t(frames >> 8), std::uint8_t(frames)};
    std::copy(tag.begin(), tag.end(), frame.begin() + at);
    return frame;
}

class TempFolder
{
public:
    TempFolder()
    {
        char name[] = "/tmp/durations-XXXXXX";
        m_path = ::mkdtemp(name);
    }
    ~TempFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name, const Bytes& bytes) const
    {
        const std::string path = m_path + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

TEST(Mp3Frames, LengthFromHeaders)
{
    const Bytes id3 = Text("ID3") + Bytes{3, 0, 0, 0, 0, 0, 5} + Bytes(5, 0x11);
    const Bytes plain = Frames(100, kMpeg1, kMpeg1Length);
    Bytes damaged = plain;
    damaged[50 * kMpeg1Length] = 0x00;
    // clang-format off
    struct Case { const char* what; Bytes bytes; std::optional<std::int64_t> ms; };
    const Case cases[] = {
        {"frames counted", plain, 100 * 1152 * 1000 / 44100},
        {"tags around them", id3 + plain + Text("TAG") + Bytes(125, ' '), 100 * 1152 * 1000 / 44100},
        {"garbage before the first frame", Bytes{0xFF, 0x00, 1, 2} + plain, 100 * 1152 * 1000 / 44100},
        {"Info header's count wins", XingFrame(1000) + plain, 1000 * 1152 * 1000 / 44100},
        {"MPEG-2 half-size frames", Frames(50, kMpeg2, kMpeg2Length), 50 * 576 * 1000 / 22050},
        {"damage in the middle", damaged, std::nullopt},
        {"no frame at all", Text("not audio at all"), std::nullopt},
        {"empty", Bytes{}, std::nullopt},
        {"free bitrate", Frames(3, {0xFF, 0xFB, 0x00, 0x44}, 100), std::nullopt},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Mp3DurationFromFrames(c.bytes), c.ms) << c.what;
}

TEST(DurationCache, KeptByStampAndAcrossRuns)
{
    TempFolder folder;
    const std::string a = folder.File("A.MP3", Frames(441, kMpeg1, kMpeg1Length));
    const std::string junk = folder.File("J.MP3", Text("not audio"));
    const std::string fifo = folder.Path() + "/F.MP3";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string store = folder.Path() + "/cache/sub/durations.tsv";
    {
        DurationCache cache(store);
        cache.Load();
        const auto lengths = ReadDurations({a, junk, fifo, folder.Path() + "/none.mp3"}, cache);
        EXPECT_EQ(lengths, (std::vector<std::optional<std::int64_t>>{11520, {}, {}, {}}));
        ASSERT_TRUE(cache.Save());
    }
    DurationCache cache(store);
    cache.Load();
    const auto stamp = StampOf(a);
    ASSERT_TRUE(stamp);
    ASSERT_TRUE(cache.Find(a, *stamp));
    EXPECT_EQ(cache.Find(a, *stamp)->milliseconds, 11520);
    ASSERT_TRUE(cache.Find(junk, *StampOf(junk))); // unreadable is remembered too
    EXPECT_FALSE(cache.Find(junk, *StampOf(junk))->milliseconds);
    EXPECT_FALSE(cache.Find(fifo, {}));

    // A changed file is measured again, not taken from the cache.
    folder.File("A.MP3", Frames(882, kMpeg1, kMpeg1Length));
    EXPECT_FALSE(cache.Find(a, *StampOf(a)));
    EXPECT_EQ(ReadDurations({a}, cache).front(), 23040);

    // Damaged lines are skipped; the good ones still count.
    std::ofstream(store, std::ios::app) << "x\ty\n12\t34\n5\t6\t7\trelative\n";
    DurationCache again(store);
    again.Load();
    EXPECT_TRUE(again.Find(junk, *StampOf(junk)));
}
