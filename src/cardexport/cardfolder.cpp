// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardfolder.h"

#include "core/datafolder.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist::cardexport {

FolderEntries::FolderEntries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st
        {
        };
        Kind kind = Kind::Other;
        if (::fstatat(fd, entry->d_name, &st, 0) == 0)
            kind = S_ISREG(st.st_mode)   ? Kind::File
                   : S_ISDIR(st.st_mode) ? Kind::Folder
                                         : Kind::Other;
        m_entries.push_back({std::string(name), kind});
    }
    ::closedir(dir);
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_byKey.try_emplace(UpperAscii(m_entries[i].name), i);
}

const FolderEntries::Entry* FolderEntries::Find(std::string_view name) const
{
    const auto exact =
        std::lower_bound(m_entries.begin(), m_entries.end(), name,
                         [](const Entry& e, std::string_view n) { return e.name < n; });
    if (exact != m_entries.end() && exact->name == name)
        return &*exact;
    const auto it = m_byKey.find(UpperAscii(name));
    return it == m_byKey.end() ? nullptr : &m_entries[it->second];
}

TargetLock::~TargetLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TargetLock::TryLock(const std::string& folder)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    ::close(m_fd);
    m_fd = -1;
    return false;
}

} // namespace cuelist::cardexport
