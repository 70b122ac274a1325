// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/safefile.h"
#include "tempfolder.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// This executable defines fsync, fdatasync, rename and renameat itself. The file layer is a
// static library linked into it, so its calls land here: each one is recorded and passed on
// to the C library, or fails with a chosen errno. No preloading is needed, so the tests run
// the same under the address sanitizer.

namespace {

struct Call
{
    enum Kind { FileSync, FolderSync, Rename } kind;
    ino_t inode = 0; // of the synced file or folder
};

std::vector<Call> g_calls; // the calls that went through, in order
int g_failSync = 0;        // errno for the next fsync or fdatasync; 0 passes it on
int g_failRename = 0;      // errno for the next rename or renameat

template <typename Fn> Fn Next(const char* name)
{
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

int Sync(int fd, int (*next)(int))
{
    if (const int error = std::exchange(g_failSync, 0)) {
        errno = error;
        return -1;
    }
    const int result = next(fd);
    struct stat st
    {
    };
    if (result == 0 && ::fstat(fd, &st) == 0)
        g_calls.push_back({S_ISDIR(st.st_mode) ? Call::FolderSync : Call::FileSync, st.st_ino});
    return result;
}

bool FailRename()
{
    if (const int error = std::exchange(g_failRename, 0)) {
        errno = error;
        return true;
    }
    g_calls.push_back({Call::Rename});
    return false;
}

} // namespace

extern "C" int fsync(int fd)
{
    static const auto next = Next<int (*)(int)>("fsync");
    return Sync(fd, next);
}

extern "C" int fdatasync(int fd)
{
    static const auto next = Next<int (*)(int)>("fdatasync");
    return Sync(fd, next);
}

extern "C" int rename(const char* from, const char* to)
{
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    return FailRename() ? -1 : next(from, to);
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    static const auto next = Next<int (*)(int, const char*, int, const char*)>("renameat");
    return FailRename() ? -1 : next(fromFolder, from, toFolder, to);
}

using namespace cuelist::fileio;
namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kOld(1000, 0xAA);
const std::vector<std::uint8_t> kNew(5000, 0x55);

ino_t InodeOf(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

class Durability : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_failSync = g_failRename = 0;
        TempFolder::Write(m_path, kOld);
    }
    TempFolder m_folder;
    const std::string m_path = m_folder / "show.slp";
};

} // namespace

// The new data reaches the disk before its name does, and the folder is synced after the
// rename, so a crash leaves either the old file or the complete new one.
TEST_F(Durability, SaveSyncsTheDataBeforeTheRenameAndThenTheFolder)
{
    ASSERT_TRUE(WriteFileSafely(m_path, kNew).ok());
    ASSERT_EQ(TempFolder::Read(m_path), kNew);
    const ino_t file = InodeOf(m_path);
    const ino_t folder = InodeOf(m_folder / "");
    const auto at = [&](Call::Kind kind, ino_t inode) {
        for (std::size_t i = 0; i < g_calls.size(); ++i)
            if (g_calls[i].kind == kind && g_calls[i].inode == inode)
                return int(i);
        return -1;
    };
    const int fileSync = at(Call::FileSync, file);
    const int rename = at(Call::Rename, 0);
    const int folderSync = at(Call::FolderSync, folder);
    ASSERT_GE(fileSync, 0) << "the new file was never synced";
    ASSERT_GE(rename, 0) << "the new file was never renamed";
    ASSERT_GE(folderSync, 0) << "the folder was never synced";
    EXPECT_LT(fileSync, rename);
    EXPECT_GT(folderSync, rename);
}

// A sync or a rename that fails makes the save fail with its errno, and leaves the old file
// byte for byte, with no temporary file beside it.
TEST_F(Durability, FailedSyncOrRenameKeepsTheOldFile)
{
    const struct
    {
        const char* what;
        int* fault;
        int error;
    } cases[] = {
        {"fsync", &g_failSync, EIO},
        {"fsync", &g_failSync, ENOSPC},
        {"rename", &g_failRename, EIO},
        {"rename", &g_failRename, EDQUOT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " failing with " + std::strerror(c.error));
        *c.fault = c.error;
        const FileResult result = WriteFileSafely(m_path, kNew);
        EXPECT_EQ(*c.fault, 0) << "never called";
        EXPECT_EQ(result.fault, FileFault::System);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(TempFolder::Read(m_path), kOld);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / ""), fs::directory_iterator()),
                  1);
        *c.fault = 0;
    }
}
