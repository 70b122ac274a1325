// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelock.h"

#include "pathwalk.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist::fileio {

namespace {

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int LockWaiting(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

} // namespace

FileLock::~FileLock()
{
    Release();
}

void FileLock::Release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

FileResult FileLock::Acquire(const std::string& path)
{
    Release();
    for (;;) {
        ResolvedPath resolved;
        if (FileResult result = ResolvePath(path, resolved); !result.ok())
            return result;
        if (resolved.viaDescriptor)
            return FileResult::Fail(FileFault::DescriptorLink, path);
        const bool isFile = resolved.exists;
        // O_NONBLOCK: a FIFO put in the playlist's place must not hang the lock.
        Descriptor fd(
            isFile ? ::openat(resolved.folder.get(), resolved.name.c_str(),
                              O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW)
                   : ::openat(resolved.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fd.valid()) {
            if (isFile && (errno == ENOENT || errno == ELOOP))
                continue; // replaced since it was resolved
            return FileResult::System(errno, path);
        }
        struct stat locked
        {
        };
        if (::fstat(fd.get(), &locked) != 0)
            return FileResult::System(errno, path);
        if (isFile && !S_ISREG(locked.st_mode))
            return FileResult::Fail(FileFault::NotRegular, path);
        if (const int error = LockWaiting(fd.get()); error != 0)
            return FileResult::System(error, path);
        // The lock holds only while the name still names what was locked.
        struct stat now
        {
        };
        const bool exists =
            ::fstatat(resolved.folder.get(), resolved.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
        if (isFile ? (exists && SameFile(now, locked)) : !exists) {
            m_fd = fd.release();
            return FileResult::Ok();
        }
    }
}

} // namespace cuelist::fileio
