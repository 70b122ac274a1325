// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include "targetpath.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist::fileio {

namespace {

FileStamp StampFrom(const struct stat& st)
{
    return {true, std::int64_t(st.st_size),
            std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
}

// Closes the descriptor however the operation ends.
class Descriptor final
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now; the errno of a failed close, or 0.
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += std::size_t(wrote);
    }
    return 0;
}

// A short name, so that a target name of the longest length still leaves room for it.
std::string TemporaryName(const std::string& folder)
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    char name[32];
    std::snprintf(name, sizeof name, ".cl%08x.tmp",
                  seed ^ (unsigned(::getpid()) << 12) ^ counter.fetch_add(1) * 2654435761u);
    return folder + name;
}

bool IsFolderPermissionError(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// An unnamed file in the folder (nothing is left behind if the process dies before the
// rename), or a named one where the file system cannot make unnamed files.
int CreateTemporary(const std::string& folder, mode_t mode, std::string& named)
{
    named.clear();
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = TemporaryName(folder);
        const int created = ::open(named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (created >= 0 || errno != EEXIST)
            return created;
    }
    errno = EEXIST;
    return -1;
}

// Gives the unnamed file a short name in the folder so that it can be renamed over the target.
int NameTemporary(int fd, const std::string& folder, std::string& named)
{
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self, AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

} // namespace

FileStamp StampOf(const std::string& path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return StampFrom(st);
}

FileResult ReadRegularFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                           std::size_t limit, FileStamp* stamp)
{
    bytes.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return FileResult::System(errno, path);
    struct stat st
    {
    };
    if (::fstat(fd.get(), &st) != 0)
        return FileResult::System(errno, path);
    if (!S_ISREG(st.st_mode))
        return FileResult::Fail(FileFault::NotRegular, path);
    if (stamp)
        *stamp = StampFrom(st);

    // One byte more than the size tells a file that grew while it was read.
    const std::size_t wanted = std::min(limit, std::size_t(st.st_size) + 1);
    bytes.resize(wanted);
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::read(fd.get(), bytes.data() + done, wanted - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            bytes.clear();
            return FileResult::System(errno, path);
        }
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    bytes.resize(done);
    return FileResult::Ok();
}

FileResult CheckWriteTarget(const std::string& path)
{
    WriteTarget target;
    return ResolveWriteTarget(path, target);
}

FileResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                           FileStamp* stamp)
{
    WriteTarget target;
    if (FileResult resolved = ResolveWriteTarget(path, target); !resolved.ok())
        return resolved;
    const std::string folder = FolderOf(target.path);
    const mode_t mode = target.exists ? (target.status.st_mode & 07777) : 0666;

    std::string named;
    Descriptor fd(CreateTemporary(folder, mode & 0777, named));
    if (fd.get() < 0) {
        const int error = errno;
        if (IsFolderPermissionError(error))
            return FileResult::Fail(FileFault::FolderReadOnly, folder, error);
        return FileResult::System(error, target.path);
    }
    // Removes a named temporary file on every failure below.
    const auto fail = [&](int error) {
        if (!named.empty())
            ::unlink(named.c_str());
        return FileResult::System(error, target.path);
    };

    // The replacement keeps the old file's owner and exact mode, set before any data is
    // written; a caller that may not change the owner keeps its own.
    if (target.exists) {
        if (::fchown(fd.get(), target.status.st_uid, target.status.st_gid) != 0 && errno != EPERM)
            return fail(errno);
        if (::fchmod(fd.get(), mode) != 0)
            return fail(errno);
    }
    if (const int error = WriteAll(fd.get(), bytes); error != 0)
        return fail(error);
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    struct stat written
    {
    };
    if (::fstat(fd.get(), &written) != 0)
        return fail(errno);
    if (named.empty()) {
        if (const int error = NameTemporary(fd.get(), folder, named); error != 0) {
            named.clear();
            return fail(error);
        }
    }
    if (const int error = fd.close(); error != 0)
        return fail(error);
    if (::rename(named.c_str(), target.path.c_str()) != 0)
        return fail(errno);

    // Makes the rename itself durable; a failure here leaves a complete file either way.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    if (stamp)
        *stamp = StampFrom(written);
    return FileResult::Ok();
}

} // namespace cuelist::fileio
