// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include <string>

namespace cuelist::fileio {

// An exclusive advisory lock (flock) that serialises the read-change-write of one playlist
// between processes that take it too. It locks the file the path names (links followed);
// while there is no such file, the folder it would be made in. Released on destruction.
class FileLock final
{
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits for the lock. A writer that renamed a new file over the locked one has made
    // the lock stale; it is then taken again on the new file.
    FileResult Acquire(const std::string& path);
    void Release();

private:
    int m_fd = -1;
};

} // namespace cuelist::fileio
