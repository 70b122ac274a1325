// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cuelist::cardexport {

// How the stale temporary files of the card's DATA are named in a plan.
inline constexpr std::string_view kCardDataPrefix = "DATA/";

// One listing of a card folder, looked up the way a FAT card matches names: ignoring the
// case of ASCII letters. Links are followed.
class FolderEntries final
{
public:
    enum class Kind { File, Folder, Other };
    struct Entry
    {
        std::string name; // as on disk
        Kind kind = Kind::Other;
    };

    FolderEntries() = default;
    explicit FolderEntries(const std::string& folder);

    // The entry named so ignoring case: the exact spelling when there is one, else the
    // smallest in byte order; nullptr when none.
    const Entry* Find(std::string_view name) const;
    const std::vector<Entry>& Entries() const { return m_entries; } // in byte order

private:
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, std::size_t> m_byKey; // upper-cased name -> first entry
};

// An exclusive lock on a card folder (flock on the folder itself) that keeps two exports
// from writing to one card at once; released on destruction.
class TargetLock final
{
public:
    TargetLock() = default;
    ~TargetLock();
    TargetLock(const TargetLock&) = delete;
    TargetLock& operator=(const TargetLock&) = delete;

    // Takes the lock without waiting; false when another holder has it or the folder
    // cannot be opened.
    bool TryLock(const std::string& folder);

private:
    int m_fd = -1;
};

} // namespace cuelist::cardexport
