// SPDX-License-Identifier: GPL-3.0-or-later
#include "newfile.h"

#include "temporaryname.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist::fileio {

namespace {

// Renames without replacing. Where the file system has no such rename, a hard link does the
// same; where it has no hard links either (FAT), the name is checked first, which leaves a
// short race with other programs only there.
int RenameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    struct stat st = {};
    if (::lstat(to.c_str(), &st) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

FileResult NewFile::Create(const std::string& folder)
{
    Discard();
    m_folder = folder;
    m_fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (m_fd >= 0)
        return FileResult::Ok();
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return FileResult::System(errno, folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = folder + TemporaryName(".part");
        m_fd =
            ::open(m_temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (m_fd >= 0)
            return FileResult::Ok();
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    m_temporary.clear();
    return FileResult::System(error, folder);
}

FileResult NewFile::Publish(const std::string& name)
{
    const std::string path = m_folder + name;
    if (m_fd < 0)
        return FileResult::System(EBADF, path);
    if (::fsync(m_fd) != 0)
        return FileResult::System(errno, path);
    if (m_temporary.empty()) {
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd);
        if (::linkat(AT_FDCWD, self, AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return FileResult::System(errno, path);
    } else if (const int error = RenameNoReplace(m_temporary, path); error != 0) {
        return FileResult::System(error, path);
    }
    m_temporary.clear();
    ::close(m_fd);
    m_fd = -1;
    // Makes the new name durable; the data already is.
    if (const int folder = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return FileResult::Ok();
}

void NewFile::Discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

} // namespace cuelist::fileio
