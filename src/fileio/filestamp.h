// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace cuelist::fileio {

// What tells a file's contents apart without reading them: enough to notice that another
// program rewrote, replaced or renamed over it. The change time and the inode catch what size
// and modification time miss: a copy made with `cp -p`, a rename over the name, a chmod that
// makes an unreadable file readable.
struct FileStamp
{
    bool exists = false;
    bool regular = false; // a regular file, as opposed to a folder, FIFO or device
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    // The same contents as far as the file system tells. The device number is left out: it
    // may change from one mount to the next, and stamps are kept in caches across runs.
    bool operator==(const FileStamp& other) const;
    // The same file, whichever name or link leads to it.
    bool sameFile(const FileStamp& other) const;
};

FileStamp StampFrom(const struct stat& status);

// The stamp of the file a path names now, links followed under the rule the readers keep
// (ResolvePath); exists is false when there is none, it cannot be reached or a link on the
// way is refused.
FileStamp StampOf(const std::string& path);
// The same for a name just listed in a folder the caller resolved itself, links followed as
// the kernel follows them. One stat: folders of thousands of files are stamped on the GUI
// thread to notice changes; nothing is read or written through the result.
FileStamp StampOfListed(const std::string& path);

} // namespace cuelist::fileio
