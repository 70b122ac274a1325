// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include <string>
#include <sys/stat.h>

namespace cuelist::fileio {

// The file a write to path really replaces, with symbolic links followed one by one.
struct WriteTarget
{
    std::string path; // the file to replace (or create)
    bool exists = false;
    struct stat status
    {
    }; // valid when exists
};

// Follows links the way the kernel's protected-link rule does for sticky folders: a link
// there is followed only when the caller or the folder's owner owns it. A dangling link,
// a target that is not a regular file and a write-protected file are refused.
FileResult ResolveWriteTarget(const std::string& path, WriteTarget& target);

// The folder part of a path with its trailing "/" ("./" when there is none).
std::string FolderOf(const std::string& path);

} // namespace cuelist::fileio
