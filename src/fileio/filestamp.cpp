// SPDX-License-Identifier: GPL-3.0-or-later
#include "filestamp.h"

#include "pathwalk.h"

#include <fcntl.h>

namespace cuelist::fileio {

bool FileStamp::operator==(const FileStamp& other) const
{
    return exists == other.exists && size == other.size && modifiedNs == other.modifiedNs &&
           changedNs == other.changedNs && inode == other.inode;
}

bool FileStamp::sameFile(const FileStamp& other) const
{
    return exists && other.exists && device == other.device && inode == other.inode;
}

FileStamp StampFrom(const struct stat& status)
{
    return {true,
            S_ISREG(status.st_mode),
            std::int64_t(status.st_size),
            std::int64_t(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
            std::int64_t(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec,
            std::uint64_t(status.st_dev),
            std::uint64_t(status.st_ino)};
}

FileStamp StampOf(const std::string& path)
{
    ResolvedPath resolved;
    if (!ResolvePath(path, resolved).ok() || !resolved.exists)
        return {};
    struct stat status = {};
    if (::fstatat(resolved.folder.get(), resolved.name.c_str(), &status,
                  resolved.viaDescriptor ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return StampFrom(status);
}

FileStamp StampOfListed(const std::string& path)
{
    struct stat status = {};
    if (::stat(path.c_str(), &status) != 0)
        return {};
    return StampFrom(status);
}

} // namespace cuelist::fileio
