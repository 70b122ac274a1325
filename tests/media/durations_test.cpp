// SPDX-License-Identifier: GPL-3.0-or-later
// Play lengths of damaged, joined and mislabelled MP3 files, and the kept cache against
// what another program or an attacker may leave where it is stored.
#include "media/durationcache.h"
#include "media/mp3length.h"
#include "tonefile.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace cuelist;
namespace fs = std::filesystem;
using Bytes = std::string;

namespace {

class TempFolder
{
public:
    TempFolder()
    {
        char name[] = "/tmp/durations-XXXXXX";
        m_path = ::mkdtemp(name);
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }
    std::string File(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
        return Path(name);
    }

private:
    std::string m_path;
};

Bytes Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::optional<std::int64_t> LengthOf(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const auto length = Mp3LengthOf(fd);
    if (fd >= 0)
        ::close(fd);
    return length;
}

// Tones of 0.4 s and 0.6 s encoded once for every test, with and without a Xing tag.
class Mp3Files : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new TempFolder;
        ASSERT_TRUE(WriteToneMp3(s_folder->Path("short.mp3"), 400));
        ASSERT_TRUE(WriteToneMp3(s_folder->Path("long.mp3"), 600));
        ASSERT_TRUE(WriteToneMp3(s_folder->Path("tagged.mp3"), 600, true));
        s_short = Read(s_folder->Path("short.mp3"));
        s_long = Read(s_folder->Path("long.mp3"));
        s_tagged = Read(s_folder->Path("tagged.mp3"));
    }
    static void TearDownTestSuite() { delete s_folder; }

    static inline TempFolder* s_folder = nullptr;
    static inline Bytes s_short, s_long, s_tagged;
};

Bytes WithXingCount(Bytes bytes, std::uint32_t frames)
{
    // Xing of a one-channel MPEG-1 frame: after the 4-byte header and 17 bytes of side
    // information; its flags, then the frame count.
    const std::size_t at = bytes.find("Xing");
    if (at == Bytes::npos)
        return {};
    for (int i = 0; i < 4; ++i)
        bytes[at + 8 + std::size_t(i)] = char(frames >> (24 - 8 * i));
    return bytes;
}

} // namespace

TEST_F(Mp3Files, LengthsOfJoinedCutAndMislabelledFiles)
{
    const auto shortMs = LengthOf(s_folder->Path("short.mp3"));
    const auto longMs = LengthOf(s_folder->Path("long.mp3"));
    ASSERT_TRUE(shortMs && longMs);
    EXPECT_NEAR(double(*shortMs), 400, 60);
    EXPECT_NEAR(double(*longMs), 600, 60);
    ASSERT_NE(s_tagged.find("Xing"), Bytes::npos);
    const Bytes id3v1 = "TAG" + Bytes(125, ' ');
    const Bytes id3v2 = Bytes("ID3\x03\x00\x00\x00\x00\x08\x00", 10) + Bytes(1024, '\0');
    const std::int64_t both = *shortMs + *longMs;
    // clang-format off
    struct Case { const char* what; Bytes bytes; std::int64_t ms; };
    const Case cases[] = {
        {"joined with cat", s_short + s_long, both},
        {"an ID3v1 tag between the parts", s_short + id3v1 + s_long, both},
        {"tags before and after", id3v2 + s_long + id3v1, *longMs},
        {"a Xing count of 0", WithXingCount(s_tagged, 0), *longMs},
        {"a Xing count of 2^31-1", WithXingCount(s_tagged, 0x7fffffff), *longMs},
        {"a tagged file joined to another", s_tagged + s_short, both},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto length = LengthOf(s_folder->File("case.mp3", c.bytes));
        ASSERT_TRUE(length) << c.what;
        EXPECT_NEAR(double(*length), double(c.ms), 30) << c.what;
    }
    // A copy cut off halfway does not keep the length its tag promises.
    const auto half = LengthOf(s_folder->File("half.mp3", s_tagged.substr(0, s_tagged.size() / 2)));
    ASSERT_TRUE(half);
    EXPECT_GT(*half, *longMs / 5);
    EXPECT_LT(*half, *longMs * 4 / 5);
}

TEST_F(Mp3Files, NoLengthForWhatIsNoAudio)
{
    const Bytes lone("\xff\xfb\x90\x44", 4);
    for (const Bytes& bytes : {Bytes(), lone, Bytes(5000, 'x'), Bytes(20000, '\0')})
        EXPECT_FALSE(LengthOf(s_folder->File("none.mp3", bytes))) << bytes.size();
    EXPECT_FALSE(Mp3LengthOf(-1));
    EXPECT_FALSE(MeasureDuration(s_folder->Path("absent.mp3")));
}

TEST_F(Mp3Files, CacheKeepsLengthsAndNoticesEveryChange)
{
    TempFolder folder;
    const std::string a = folder.File("A.MP3", s_long);
    const std::string junk = folder.File("J.MP3", "not audio");
    const std::string fifo = folder.Path("F.MP3");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string store = folder.Path("cache/sub/durations.tsv");
    const auto longMs = LengthOf(a);
    {
        DurationCache cache(store);
        cache.Load();
        const auto lengths = ReadDurations({a, junk, fifo, folder.Path("none.mp3")}, cache);
        EXPECT_EQ(lengths, (std::vector<std::optional<std::int64_t>>{longMs, {}, {}, {}}));
        ASSERT_TRUE(cache.Save());
    }
    DurationCache cache(store);
    cache.Load();
    ASSERT_TRUE(cache.Find(a, fileio::StampOf(a)));
    EXPECT_EQ(cache.Find(a, fileio::StampOf(a))->milliseconds, longMs);
    ASSERT_TRUE(cache.Find(junk, fileio::StampOf(junk))); // no audio is remembered too
    EXPECT_FALSE(cache.Find(junk, fileio::StampOf(junk))->milliseconds);

    // Another file of the same size copied over it with its times kept (cp -p), and one
    // renamed over the name: both are measured again.
    const Bytes other = s_short + Bytes(s_long.size() - s_short.size(), '\0');
    ASSERT_EQ(other.size(), s_long.size());
    struct stat before = {};
    ASSERT_EQ(::stat(a.c_str(), &before), 0);
    folder.File("A.MP3", other);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, a.c_str(), times, 0), 0);
    EXPECT_FALSE(cache.Find(a, fileio::StampOf(a)));
    EXPECT_NEAR(double(*ReadDurations({a}, cache).front()), double(*LengthOf(a)), 1);
    const std::string renamed = folder.File("B.MP3", s_long);
    fs::rename(renamed, a);
    EXPECT_EQ(ReadDurations({a}, cache).front(), longMs);

    // Entries of files that are gone are not written again.
    fs::remove(junk);
    ASSERT_TRUE(cache.Save());
    DurationCache pruned(store);
    pruned.Load();
    EXPECT_EQ(pruned.Size(), 1u);
}

TEST(DurationCacheFile, HostileCacheFilesAreSkippedQuickly)
{
    TempFolder folder;
    const std::string audio = folder.File("A.MP3", "x");
    const std::string good = "cuelist-durations 2\n1\t2\t3\t4\t500\t" + audio + "\n";
    const auto load = [](const std::string& path) {
        const auto start = std::chrono::steady_clock::now();
        DurationCache cache(path);
        cache.Load();
        // A blocking open or a whole read of /dev/zero would never come back here.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << path;
        return cache.Size();
    };
    const std::string fifo = folder.Path("fifo.tsv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(load(fifo), 0u);
    const std::string zero = folder.Path("zero.tsv");
    fs::create_symlink("/dev/zero", zero);
    EXPECT_EQ(load(zero), 0u);
    EXPECT_EQ(load(folder.Path("missing.tsv")), 0u);
    EXPECT_EQ(load(folder.File("garbage.tsv", Bytes(100000, '\xff'))), 0u);
    EXPECT_EQ(load(folder.File("damaged.tsv", good + "x\ty\n12\t34\n5\t6\t7\t8\t9\trelative\n")),
              1u);
    // Beyond the read limit: what fits is taken, the cut-off line is not.
    Bytes big = good;
    const Bytes line = "1\t2\t3\t4\t5\t/" + Bytes(200, 'n');
    while (big.size() < DurationCache::kMaxFileBytes + 1000)
        big += line + std::to_string(big.size()) + "\n";
    const std::size_t kept = load(folder.File("big.tsv", big));
    EXPECT_GT(kept, 1000u);
    EXPECT_LE(kept, DurationCache::kMaxEntries);

    // A folder that cannot be made: Save says so, nothing breaks.
    const std::string blocked = folder.File("blocked", "a file where the folder should be");
    DurationCache cache(blocked + "/durations.tsv");
    cache.Store(audio, {fileio::StampOf(audio), 5});
    EXPECT_FALSE(cache.Save());
}
