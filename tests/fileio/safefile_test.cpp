// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/filelock.h"
#include "fileio/filestamp.h"
#include "fileio/pathwalk.h"
#include "fileio/safefile.h"
#include "tempfolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cuelist::fileio;
namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kOld(1000, 0xAA);
const std::vector<std::uint8_t> kNew(5000, 0x55);

std::size_t EntryCount(const std::string& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder))
        ++count;
    return count;
}

mode_t ModeOf(const std::string& path)
{
    struct stat st
    {
    };
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

// Whatever a path names that is not a regular file is refused untouched, for reading and
// writing, without blocking.
TEST(SafeFile, OnlyRegularFilesAreReadOrReplaced)
{
    TempFolder folder;
    const bool root = ::geteuid() == 0;
    ASSERT_EQ(::mkfifo((folder / "fifo.slp").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir((folder / "dir.slp").c_str(), 0700), 0);
    if (root) {
        ASSERT_EQ(::mknod((folder / "null.slp").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    TempFolder::Write(folder / "file.slp", kOld);
    fs::create_symlink(folder / "fifo.slp", folder / "tofifo.slp");
    fs::create_symlink(folder / "absent.slp", folder / "dangling.slp");
    fs::create_symlink("dangling.slp", folder / "chain.slp");

    // clang-format off
    struct Case { const char* name; FileFault read, write; mode_t type; };
    const Case cases[] = {
        {"fifo.slp", FileFault::NotRegular, FileFault::NotRegular, S_IFIFO},
        {"tofifo.slp", FileFault::NotRegular, FileFault::NotRegular, S_IFLNK},
        {"dir.slp", FileFault::NotRegular, FileFault::NotRegular, S_IFDIR},
        {"null.slp", FileFault::NotRegular, FileFault::NotRegular, S_IFCHR},
        {"dangling.slp", FileFault::System, FileFault::DanglingLink, S_IFLNK},
        {"chain.slp", FileFault::System, FileFault::DanglingLink, S_IFLNK},
    };
    // clang-format on
    for (const Case& c : cases) {
        if (!root && c.type == S_IFCHR)
            continue;
        const std::string path = folder / c.name;
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(ReadRegularFile(path, bytes, 1 << 20).fault, c.read) << c.name;
        EXPECT_EQ(WriteFileSafely(path, kNew).fault, c.write) << c.name;
        EXPECT_EQ(ModeOf(path) & S_IFMT, c.type) << c.name;
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "absent.slp")));
    EXPECT_EQ(TempFolder::Read(folder / "file.slp"), kOld);
    EXPECT_EQ(EntryCount(folder / ""), root ? 7u : 6u);
}

TEST(SafeFile, WritesReplaceAtomicallyAndKeepModeAndLinks)
{
    TempFolder folder;
    const std::string path = folder / "list.slp";
    TempFolder::Write(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    fs::create_symlink("list.slp", folder / "link.slp");

    FileStamp stamp;
    ASSERT_TRUE(WriteFileSafely(folder / "link.slp", kNew, &stamp).ok());
    EXPECT_EQ(ModeOf(folder / "link.slp") & S_IFMT, S_IFLNK);
    EXPECT_EQ(TempFolder::Read(path), kNew);
    EXPECT_EQ(ModeOf(path) & 07777, 0600u);
    EXPECT_EQ(stamp, StampOf(path));

    std::vector<std::uint8_t> back;
    FileStamp readStamp;
    ASSERT_TRUE(ReadRegularFile(path, back, 1 << 20, &readStamp).ok());
    EXPECT_EQ(back, kNew);
    EXPECT_EQ(readStamp, stamp);

    // The longest name a folder can hold still leaves room for the temporary file.
    const std::string longest = folder / (std::string(251, 'n') + ".slp");
    EXPECT_TRUE(WriteFileSafely(longest, kNew).ok());
    EXPECT_EQ(TempFolder::Read(longest), kNew);

    // A new file gets the umask's mode; nothing but the files themselves is left behind.
    const mode_t mask = ::umask(027);
    EXPECT_TRUE(WriteFileSafely(folder / "new.slp", kOld).ok());
    ::umask(mask);
    EXPECT_EQ(ModeOf(folder / "new.slp") & 07777, 0640u);
    EXPECT_EQ(EntryCount(folder / ""), 4u);

    const FileResult missing = WriteFileSafely(folder / "missing/list.slp", kNew);
    EXPECT_EQ(missing.fault, FileFault::System);
    EXPECT_EQ(missing.error, ENOENT);
}

// Protected files and folders are refused; root is held to the mode bits too.
TEST(SafeFile, WriteProtectionIsRespected)
{
    TempFolder folder;
    const std::string path = folder / "ro.slp";
    TempFolder::Write(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(WriteFileSafely(path, kNew).fault, FileFault::ReadOnly);
    EXPECT_EQ(TempFolder::Read(path), kOld);

    // Root may write in any folder whose mode forbids it; a read-only mount stops it too.
    const std::string locked = folder / "locked";
    ASSERT_EQ(::mkdir(locked.c_str(), 0500), 0);
    const bool mounted =
        ::geteuid() == 0 && ::mount("tmpfs", locked.c_str(), "tmpfs", MS_RDONLY, "size=16k") == 0;
    if (::geteuid() == 0 && !mounted)
        GTEST_SKIP() << "cannot mount a read-only tmpfs: " << std::strerror(errno);
    const FileResult result = WriteFileSafely(locked + "/new.slp", kNew);
    if (mounted)
        ::umount(locked.c_str());
    EXPECT_EQ(result.fault, FileFault::FolderReadOnly);
    EXPECT_EQ(result.path, locked + "/");
}

namespace {

// Every link seems to belong to another user, who owns neither the folders nor the caller.
uid_t OtherUser(const struct stat&)
{
    return ::geteuid() + 1;
}

class PlantedByOtherUser final
{
public:
    PlantedByOtherUser() { SetLinkOwnerForTesting(&OtherUser); }
    ~PlantedByOtherUser() { SetLinkOwnerForTesting(nullptr); }
};

} // namespace

// A link in a sticky, world-writable folder such as /tmp is followed only when it belongs
// to the follower or to the folder's owner, wherever it stands in the path, for reading,
// writing and locking alike.
TEST(SafeFile, OthersLinksInStickyFoldersAreNeverFollowed)
{
    TempFolder folder;
    const std::string shared = folder / "shared";
    const std::string victims = folder / "victims";
    ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    TempFolder::Write(victims + "/victim.slp", kOld);
    fs::create_symlink(victims, shared + "/evildir");
    fs::create_symlink(victims + "/victim.slp", shared + "/evil.slp");
    // Reaches the shared folder's link through a link of its own that is fine.
    fs::create_symlink(shared + "/evildir/victim.slp", folder / "indirect.slp");
    // A folder that is sticky but not world-writable is not shared.
    const std::string group = folder / "group";
    ASSERT_EQ(::mkdir(group.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(group.c_str(), 01770), 0);
    fs::create_symlink(victims, group + "/dir");

    {
        const PlantedByOtherUser planted;
        for (const std::string& path : {shared + "/evildir/victim.slp", shared + "/evil.slp",
                                        folder / "indirect.slp", shared + "/evildir/new.slp"}) {
            const FileResult written = WriteFileSafely(path, kNew);
            EXPECT_EQ(written.fault, FileFault::ForeignLink) << path;
            EXPECT_TRUE(written.path.starts_with(shared + "/evil")) << written.path;
            std::vector<std::uint8_t> bytes;
            EXPECT_EQ(ReadRegularFile(path, bytes, 1 << 20).fault, FileFault::ForeignLink);
            EXPECT_EQ(ReadFileHead(path, bytes, 10).fault, FileFault::ForeignLink);
            EXPECT_EQ(ReadInputFile(path, bytes, 1 << 20).fault, FileFault::ForeignLink);
            FileLock lock;
            EXPECT_EQ(lock.Acquire(path).fault, FileFault::ForeignLink);
            EXPECT_FALSE(StampOf(path).exists) << path; // nothing is told about the target
        }
        EXPECT_TRUE(WriteFileSafely(group + "/dir/victim.slp", kNew).ok());
        EXPECT_EQ(TempFolder::Read(victims + "/victim.slp"), kNew);
        ASSERT_TRUE(WriteFileSafely(victims + "/victim.slp", kOld).ok());
    }
    EXPECT_FALSE(fs::exists(victims + "/new.slp"));

    // The caller's own links are followed.
    EXPECT_TRUE(WriteFileSafely(folder / "indirect.slp", kNew).ok());
    EXPECT_EQ(TempFolder::Read(victims + "/victim.slp"), kNew);

    // The same with a link that really belongs to another user.
    if (::geteuid() != 0)
        return;
    ASSERT_EQ(::lchown((shared + "/evildir").c_str(), 65534, 65534), 0);
    EXPECT_EQ(WriteFileSafely(shared + "/evildir/victim.slp", kOld).fault, FileFault::ForeignLink);
    EXPECT_EQ(TempFolder::Read(victims + "/victim.slp"), kNew);
}

// No reader cuts a file short without saying so: a file over the limit is refused whole, a
// head read tells the whole size, and pipes are read to their end.
TEST(SafeFile, ReadersReadAllOrRefuse)
{
    TempFolder folder;
    const std::string path = folder / "list.slp";
    TempFolder::Write(path, kNew);
    std::vector<std::uint8_t> bytes(1, 0);
    EXPECT_EQ(ReadRegularFile(path, bytes, kNew.size() - 1).fault, FileFault::TooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(ReadRegularFile(path, bytes, kNew.size()).ok());
    EXPECT_EQ(bytes, kNew);

    FileStamp stamp;
    ASSERT_TRUE(ReadFileHead(path, bytes, 10, &stamp).ok());
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(kNew.begin(), kNew.begin() + 10));
    EXPECT_EQ(stamp.size, std::int64_t(kNew.size()));

    // An anonymous pipe named the way a shell's process substitution names it.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], "set 1 1 a.mp3\n", 14), 14);
    ::close(ends[1]);
    EXPECT_TRUE(ReadInputFile("/dev/fd/" + std::to_string(ends[0]), bytes, 1 << 20).ok());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "set 1 1 a.mp3\n");
    ::close(ends[0]);

    // A FIFO whose writer comes late is waited for, not taken for empty.
    const std::string fifo = folder / "edits";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        ::usleep(200 * 1000);
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        const bool wrote = fd >= 0 && ::write(fd, kNew.data(), kNew.size()) == ssize_t(kNew.size());
        ::_exit(wrote ? 0 : 1);
    }
    const FileResult piped = ReadInputFile(fifo, bytes, 1 << 20);
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(piped.ok());
    EXPECT_EQ(bytes, kNew);

    EXPECT_EQ(ReadInputFile("/dev/zero", bytes, 4096).fault, FileFault::TooLarge);
    EXPECT_EQ(ReadInputFile(folder / "", bytes, 4096).fault, FileFault::NotRegular);
    EXPECT_EQ(WriteFileSafely("/dev/stdout", kNew).fault, FileFault::DescriptorLink);
}

// On a full disk the write fails with the system's reason and the old file stays whole.
TEST(SafeFile, FullDiskKeepsTheOldFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    TempFolder folder;
    const std::string disk = folder / "disk";
    ASSERT_EQ(::mkdir(disk.c_str(), 0700), 0);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount tmpfs: " << std::strerror(errno);
    const std::string path = disk + "/list.csv";
    TempFolder::Write(path, kNew);
    TempFolder::Write(disk + "/filler", std::vector<std::uint8_t>(200 * 1024, 1));

    const FileResult result = WriteFileSafely(path, std::vector<std::uint8_t>(100 * 1024, 2));
    const std::vector<std::uint8_t> after = TempFolder::Read(path);
    const std::size_t entries = EntryCount(disk);
    ::umount(disk.c_str());
    EXPECT_EQ(result.fault, FileFault::System);
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_EQ(after, kNew);
    EXPECT_EQ(entries, 2u);
}

// Processes that lock, read, change and write one file never lose each other's updates,
// although every write replaces the locked file with a new one.
TEST(SafeFile, LockSerialisesReadChangeWrite)
{
    TempFolder folder;
    const std::string path = folder / "count.slp";
    constexpr int kProcesses = 4;
    constexpr int kRounds = 50;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int round = 0; round < kRounds; ++round) {
                FileLock lock;
                if (!lock.Acquire(path).ok())
                    ::_exit(1);
                std::vector<std::uint8_t> bytes;
                ReadRegularFile(path, bytes, 64);
                const unsigned count =
                    bytes.empty() ? 0 : std::stoul(std::string(bytes.begin(), bytes.end()));
                const std::string next = std::to_string(count + 1);
                if (!WriteFileSafely(
                         path, {reinterpret_cast<const std::uint8_t*>(next.data()), next.size()})
                         .ok())
                    ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::vector<std::uint8_t> bytes = TempFolder::Read(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::to_string(kProcesses * kRounds));
}
