// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include <string>
#include <sys/stat.h>

namespace cuelist::fileio {

// Owns one open descriptor and closes it on destruction.
class Descriptor final
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1);
    // Closes now; the errno of a failed close, or 0.
    int close();

private:
    int m_fd = -1;
};

// Where a path leads once every symbolic link in it has been followed: the folder holding
// the last name, open as a descriptor so that later operations cannot be redirected by a
// link swapped into the path afterwards.
struct ResolvedPath
{
    Descriptor folder;      // O_PATH descriptor of the folder that holds name
    std::string folderPath; // that folder as a path with a trailing "/", for messages
    std::string name;       // the last name, never a symbolic link unless viaDescriptor
    bool exists = false;
    bool viaLink = false;       // the last name was reached through a link
    bool viaDescriptor = false; // name is a link of /proc that names an open descriptor
    struct stat status
    {
    }; // of the last name (links not followed) when exists
};

// Tells who owns a link (its st_uid). Tests replace it to stand for links planted by a
// second user; nullptr restores the default. Not thread-safe; for tests only.
using LinkOwnerOf = uid_t (*)(const struct stat& link);
void SetLinkOwnerForTesting(LinkOwnerOf owner);

// Resolves path one name at a time, applying the kernel's protected-symlinks rule to every
// link on the way (a link in a sticky, world-writable folder is followed only when its
// owner is the follower or the folder's owner), whatever the system's setting says. The
// links of /proc that name open descriptors (/dev/stdin, /dev/fd/N) cannot be read as
// paths; the kernel follows those (viaDescriptor when it is the last name). Fails with
// ForeignLink naming the refused link, with System for a missing or unreadable folder on
// the way, and with ELOOP after 40 links. A missing last name is not a failure.
FileResult ResolvePath(const std::string& path, ResolvedPath& resolved);

} // namespace cuelist::fileio
