// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include "targetpath.h"
#include "temporaryname.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist::fileio {

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

namespace {

bool IsFolderPermissionError(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// An unnamed file in the folder (nothing is left behind if the process dies before the
// rename), or a named one where the file system cannot make unnamed files.
int CreateTemporary(int folder, mode_t mode, std::string& named)
{
    named.clear();
    const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = TemporaryName(".tmp");
        const int created =
            ::openat(folder, named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (created >= 0 || errno != EEXIST)
            return created;
    }
    errno = EEXIST;
    return -1;
}

// Gives the unnamed file a short name in the folder so that it can be renamed over the target.
int NameTemporary(int fd, int folder, std::string& named)
{
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = TemporaryName(".tmp");
        if (::linkat(AT_FDCWD, self, folder, named.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

constexpr int kReadFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

// Opens what a resolved path names for reading. The last name is never followed as a link
// (it was resolved already) unless it is a descriptor of /proc.
int OpenResolved(const ResolvedPath& resolved, int flags)
{
    return ::openat(resolved.folder.get(), resolved.name.c_str(),
                    flags | (resolved.viaDescriptor ? 0 : O_NOFOLLOW));
}

// Reads until the end or until more than limit bytes arrived; the errno of a failed read, or
// 0. bytes holds what was read, at most limit + 1 bytes.
int ReadUpTo(int fd, std::vector<std::uint8_t>& bytes, std::size_t limit, std::size_t expected)
{
    bytes.clear();
    const std::size_t cap = limit == SIZE_MAX ? limit : limit + 1;
    std::size_t done = 0;
    std::size_t chunk = std::max<std::size_t>(std::min(expected + 1, cap), 4096);
    for (;;) {
        if (done == cap)
            break;
        if (bytes.size() - done == 0)
            bytes.resize(std::min(cap, done + chunk));
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            bytes.clear();
            return error;
        }
        if (got == 0)
            break;
        done += std::size_t(got);
        chunk = std::min<std::size_t>(done, 16u << 20);
    }
    bytes.resize(done);
    return 0;
}

// Opens a regular file for reading, refusing anything else before any read.
FileResult OpenRegular(const std::string& path, Descriptor& fd, struct stat& st)
{
    ResolvedPath resolved;
    if (FileResult result = ResolvePath(path, resolved); !result.ok())
        return result;
    if (!resolved.exists)
        return FileResult::System(ENOENT, path);
    fd.reset(OpenResolved(resolved, kReadFlags));
    if (!fd.valid())
        return FileResult::System(errno, path);
    if (::fstat(fd.get(), &st) != 0)
        return FileResult::System(errno, path);
    if (!S_ISREG(st.st_mode))
        return FileResult::Fail(FileFault::NotRegular, path);
    return FileResult::Ok();
}

} // namespace

FileResult ReadRegularFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                           std::size_t limit, FileStamp* stamp)
{
    bytes.clear();
    Descriptor fd;
    struct stat st
    {
    };
    if (FileResult opened = OpenRegular(path, fd, st); !opened.ok())
        return opened;
    if (std::uint64_t(st.st_size) > limit)
        return FileResult::TooLargeFor(limit, path);
    if (const int error = ReadUpTo(fd.get(), bytes, limit, std::size_t(st.st_size)); error != 0)
        return FileResult::System(error, path);
    if (bytes.size() > limit) { // it grew while it was read
        bytes.clear();
        return FileResult::TooLargeFor(limit, path);
    }
    if (stamp)
        *stamp = StampFrom(st);
    return FileResult::Ok();
}

FileResult ReadFileHead(const std::string& path, std::vector<std::uint8_t>& bytes,
                        std::size_t count, FileStamp* stamp)
{
    bytes.clear();
    Descriptor fd;
    struct stat st
    {
    };
    if (FileResult opened = OpenRegular(path, fd, st); !opened.ok())
        return opened;
    if (const int error = ReadUpTo(fd.get(), bytes, count, std::size_t(st.st_size)); error != 0)
        return FileResult::System(error, path);
    if (bytes.size() > count) {
        bytes.resize(count);
        st.st_size = std::max<off_t>(st.st_size, off_t(count) + 1);
    }
    if (stamp)
        *stamp = StampFrom(st);
    return FileResult::Ok();
}

FileResult ReadInputDescriptor(int fd, const std::string& name, std::vector<std::uint8_t>& bytes,
                               std::size_t limit)
{
    if (const int error = ReadUpTo(fd, bytes, limit, 0); error != 0)
        return FileResult::System(error, name);
    if (bytes.size() > limit) {
        bytes.clear();
        return FileResult::TooLargeFor(limit, name);
    }
    return FileResult::Ok();
}

FileResult ReadInputFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::size_t limit)
{
    bytes.clear();
    ResolvedPath resolved;
    if (FileResult result = ResolvePath(path, resolved); !result.ok())
        return result;
    if (!resolved.exists)
        return FileResult::System(ENOENT, path);
    Descriptor fd(OpenResolved(resolved, kReadFlags));
    if (!fd.valid())
        return FileResult::System(errno, path);
    struct stat st
    {
    };
    if (::fstat(fd.get(), &st) != 0)
        return FileResult::System(errno, path);
    if (S_ISFIFO(st.st_mode)) {
        // Opened again, blocking, so that the read waits for a writer that has not come yet
        // instead of taking the empty pipe for the whole input.
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd.get());
        fd.reset(::open(self, O_RDONLY | O_CLOEXEC | O_NOCTTY));
        if (!fd.valid())
            return FileResult::System(errno, path);
    } else if (S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode)) {
        const int flags = ::fcntl(fd.get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
            return FileResult::System(errno, path);
    } else if (!S_ISREG(st.st_mode)) {
        return FileResult::Fail(FileFault::NotRegular, path);
    }
    return ReadInputDescriptor(fd.get(), path, bytes, limit);
}

FileResult CheckWriteTarget(const std::string& path)
{
    ResolvedPath target;
    return ResolveWriteTarget(path, target);
}

FileResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                           FileStamp* stamp)
{
    ResolvedPath target;
    if (FileResult resolved = ResolveWriteTarget(path, target); !resolved.ok())
        return resolved;
    const int folder = target.folder.get();
    const mode_t mode = target.exists ? (target.status.st_mode & 07777) : 0666;

    std::string named;
    Descriptor fd(CreateTemporary(folder, mode & 0777, named));
    if (!fd.valid()) {
        const int error = errno;
        if (IsFolderPermissionError(error))
            return FileResult::Fail(FileFault::FolderReadOnly, target.folderPath, error);
        return FileResult::System(error, path);
    }
    // Removes a named temporary file on every failure below.
    const auto fail = [&](int error) {
        if (!named.empty())
            ::unlinkat(folder, named.c_str(), 0);
        return FileResult::System(error, path);
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
    if (::renameat(folder, named.c_str(), folder, target.name.c_str()) != 0)
        return fail(errno);

    // Makes the rename itself durable; a failure here leaves a complete file either way.
    const Descriptor synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (synced.valid())
        ::fsync(synced.get());
    if (stamp) {
        // The rename gives the file a new change time: the stamp is taken again through the
        // name, as long as the name still leads to the file written here.
        struct stat renamed
        {
        };
        if (::fstatat(folder, target.name.c_str(), &renamed, AT_SYMLINK_NOFOLLOW) == 0 &&
            renamed.st_dev == written.st_dev && renamed.st_ino == written.st_ino)
            written = renamed;
        *stamp = StampFrom(written);
    }
    return FileResult::Ok();
}

} // namespace cuelist::fileio
