// SPDX-License-Identifier: GPL-3.0-or-later
#include "targetpath.h"

#include <cerrno>
#include <climits>
#include <unistd.h>
#include <vector>

namespace cuelist::fileio {

namespace {

constexpr int kMaxLinks = 40; // the kernel's own limit

bool IsForeignInStickyFolder(const std::string& link, const struct stat& linkStatus)
{
    struct stat folder
    {
    };
    if (::stat(FolderOf(link).c_str(), &folder) != 0 || (folder.st_mode & S_ISVTX) == 0)
        return false;
    const uid_t me = ::geteuid();
    return linkStatus.st_uid != me && linkStatus.st_uid != folder.st_uid;
}

// Write permission as the mode bits grant it; root is held to them as well, so that a
// file the user protected is never replaced behind their back.
bool IsWriteProtected(const std::string& path, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0)
        return true;
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IWUSR) == 0)
        return true;
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

} // namespace

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

FileResult ResolveWriteTarget(const std::string& path, WriteTarget& target)
{
    std::string current = path;
    bool viaLink = false;
    for (int hop = 0;; ++hop) {
        struct stat st
        {
        };
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return FileResult::System(errno, current);
            if (viaLink)
                return FileResult::Fail(FileFault::DanglingLink, path);
            target = {current, false, {}};
            return FileResult::Ok();
        }
        if (!S_ISLNK(st.st_mode)) {
            if (!S_ISREG(st.st_mode))
                return FileResult::Fail(FileFault::NotRegular, path);
            if (IsWriteProtected(current, st))
                return FileResult::Fail(FileFault::ReadOnly, path);
            target = {current, true, st};
            return FileResult::Ok();
        }
        if (hop >= kMaxLinks)
            return FileResult::System(ELOOP, path);
        if (IsForeignInStickyFolder(current, st))
            return FileResult::Fail(FileFault::ForeignLink, current);
        std::vector<char> buffer(std::size_t(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return FileResult::System(errno, current);
        if (std::size_t(length) >= buffer.size())
            return FileResult::System(ENAMETOOLONG, current); // the link changed under us
        const std::string next(buffer.data(), std::size_t(length));
        current = next.starts_with('/') ? next : FolderOf(current) + next;
        viaLink = true;
    }
}

} // namespace cuelist::fileio
