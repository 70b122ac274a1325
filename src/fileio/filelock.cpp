// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelock.h"

#include "targetpath.h"

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
        // O_NONBLOCK: a FIFO put in the playlist's place must not hang the lock.
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        const bool isFile = fd >= 0;
        if (!isFile) {
            if (errno != ENOENT)
                return FileResult::System(errno, path);
            fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0)
                return FileResult::System(errno, path);
        }
        struct stat locked
        {
        };
        if (::fstat(fd, &locked) != 0 || (isFile && !S_ISREG(locked.st_mode))) {
            const int error = errno;
            ::close(fd);
            if (isFile && !S_ISREG(locked.st_mode))
                return FileResult::Fail(FileFault::NotRegular, path);
            return FileResult::System(error, path);
        }
        if (const int error = LockWaiting(fd); error != 0) {
            ::close(fd);
            return FileResult::System(error, path);
        }
        // The lock holds only while the path still names what was locked.
        struct stat now
        {
        };
        const bool exists = ::stat(path.c_str(), &now) == 0;
        if (isFile ? (exists && SameFile(now, locked)) : !exists) {
            m_fd = fd;
            return FileResult::Ok();
        }
        ::close(fd);
    }
}

} // namespace cuelist::fileio
