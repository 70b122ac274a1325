// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathwalk.h"

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace cuelist::fileio {

namespace {

constexpr int kMaxLinks = 40; // the kernel's own limit

uid_t RecordedOwner(const struct stat& link)
{
    return link.st_uid;
}

LinkOwnerOf g_ownerOf = &RecordedOwner;

std::deque<std::string> Split(const std::string& path)
{
    std::deque<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            names.emplace_back(path, start, end - start);
        start = end + 1;
    }
    return names;
}

bool IsForeignLink(const struct stat& folder, const struct stat& link)
{
    constexpr mode_t kShared = S_ISVTX | S_IWOTH;
    if ((folder.st_mode & kShared) != kShared)
        return false;
    const uid_t owner = g_ownerOf(link);
    return owner != ::geteuid() && owner != folder.st_uid;
}

bool IsProcFolder(int folder)
{
    struct statfs fs
    {
    };
    return ::fstatfs(folder, &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

int ReadLinkAt(int folder, const std::string& name, const struct stat& link, std::string& target)
{
    std::vector<char> buffer(std::size_t(link.st_size > 0 ? link.st_size : PATH_MAX) + 1);
    const ssize_t length = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
    if (length < 0)
        return errno;
    if (std::size_t(length) >= buffer.size())
        return ENAMETOOLONG; // the link changed while it was read
    target.assign(buffer.data(), std::size_t(length));
    return 0;
}

} // namespace

void Descriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

int Descriptor::close()
{
    const int fd = release();
    return fd < 0 || ::close(fd) == 0 ? 0 : errno;
}

void SetLinkOwnerForTesting(LinkOwnerOf owner)
{
    g_ownerOf = owner ? owner : &RecordedOwner;
}

FileResult ResolvePath(const std::string& path, ResolvedPath& resolved)
{
    resolved = ResolvedPath{};
    if (path.empty())
        return FileResult::System(ENOENT, path);
    const bool wantsFolder = path.back() == '/';
    std::deque<std::string> pending = Split(path);
    const char* start = path.front() == '/' ? "/" : ".";
    Descriptor folder(::open(start, O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return FileResult::System(errno, path);
    std::string shown = path.front() == '/' ? "/" : "";
    int links = 0;
    bool viaLink = false;

    while (!pending.empty()) {
        const std::string name = pending.front();
        pending.pop_front();
        const bool last = pending.empty();
        struct stat st
        {
        };
        if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !last || wantsFolder)
                return FileResult::System(errno, path);
            resolved.name = name;
            break;
        }
        if (S_ISLNK(st.st_mode)) {
            if (++links > kMaxLinks)
                return FileResult::System(ELOOP, path);
            struct stat folderStatus
            {
            };
            if (::fstat(folder.get(), &folderStatus) != 0)
                return FileResult::System(errno, path);
            if (IsForeignLink(folderStatus, st))
                return FileResult::Fail(FileFault::ForeignLink, shown + name);
            if (IsProcFolder(folder.get())) {
                if (last) {
                    resolved.name = name;
                    resolved.viaDescriptor = true;
                    resolved.exists = ::fstatat(folder.get(), name.c_str(), &st, 0) == 0;
                    resolved.status = st;
                    break;
                }
                Descriptor next(
                    ::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
                if (!next.valid())
                    return FileResult::System(errno, path);
                folder = std::move(next);
                shown += name + '/';
                continue;
            }
            std::string target;
            if (const int error = ReadLinkAt(folder.get(), name, st, target); error != 0)
                return FileResult::System(error, path);
            std::deque<std::string> names = Split(target);
            if (names.empty() && !target.starts_with('/'))
                return FileResult::System(ENOENT, path);
            pending.insert(pending.begin(), names.begin(), names.end());
            if (pending.empty())
                return FileResult::System(EISDIR, path); // the link names "/"
            viaLink = viaLink || last;
            if (target.starts_with('/')) {
                folder.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                if (!folder.valid())
                    return FileResult::System(errno, path);
                shown = "/";
            }
            continue;
        }
        if (last) {
            if (wantsFolder && !S_ISDIR(st.st_mode))
                return FileResult::System(ENOTDIR, path);
            resolved.name = name;
            resolved.exists = true;
            resolved.status = st;
            break;
        }
        if (!S_ISDIR(st.st_mode))
            return FileResult::System(ENOTDIR, path);
        // O_NOFOLLOW: a folder swapped for a link since the check above fails here.
        Descriptor next(
            ::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid())
            return FileResult::System(errno, path);
        folder = std::move(next);
        shown += name + '/';
    }
    if (resolved.name.empty())
        return FileResult::System(EISDIR, path); // "/" alone
    resolved.folder = std::move(folder);
    resolved.folderPath = shown.empty() ? std::string("./") : shown;
    resolved.viaLink = viaLink;
    return FileResult::Ok();
}

} // namespace cuelist::fileio
