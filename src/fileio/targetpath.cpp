// SPDX-License-Identifier: GPL-3.0-or-later
#include "targetpath.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace cuelist::fileio {

namespace {

// Write permission as the mode bits grant it; root is held to them as well, so that a
// file the user protected is never replaced behind their back.
bool IsWriteProtected(const ResolvedPath& target)
{
    const struct stat& st = target.status;
    if ((st.st_mode & 0222) == 0)
        return true;
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IWUSR) == 0)
        return true;
    return ::faccessat(target.folder.get(), target.name.c_str(), W_OK, 0) != 0 && errno == EACCES;
}

} // namespace

FileResult ResolveWriteTarget(const std::string& path, ResolvedPath& target)
{
    if (FileResult resolved = ResolvePath(path, target); !resolved.ok())
        return resolved;
    // A descriptor's file can be written but not replaced: there is no folder to rename in.
    if (target.viaDescriptor)
        return FileResult::Fail(FileFault::DescriptorLink, path);
    if (!target.exists)
        return target.viaLink ? FileResult::Fail(FileFault::DanglingLink, path) : FileResult::Ok();
    if (!S_ISREG(target.status.st_mode))
        return FileResult::Fail(FileFault::NotRegular, path);
    if (IsWriteProtected(target))
        return FileResult::Fail(FileFault::ReadOnly, path);
    return FileResult::Ok();
}

} // namespace cuelist::fileio
