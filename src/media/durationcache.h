// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace cuelist {

// What tells a file's contents apart without reading them: its size and modification time.
struct FileStamp
{
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of a regular file (links followed); none for anything else.
std::optional<FileStamp> StampOf(const std::string& path);

// Known play lengths of audio files, keyed by path and valid while the file's stamp is
// unchanged; a file that could not be read is remembered as such. Kept in a text file so
// that the next start knows them at once. Safe for use by several threads.
class DurationCache final
{
public:
    // file: where the cache is kept; empty keeps it in memory only.
    explicit DurationCache(std::string file = {});
    DurationCache(const DurationCache&) = delete;
    DurationCache& operator=(const DurationCache&) = delete;

    // $XDG_CACHE_HOME/cuelist-studio/durations.tsv, or ~/.cache/... without it.
    static std::string DefaultFile();

    // Reading skips damaged lines. Saving writes a temporary file that replaces the old one,
    // and only when something changed; false when it could not be written.
    void Load();
    bool Save();

    struct Entry
    {
        FileStamp stamp;
        std::optional<std::int64_t> milliseconds; // none: the file is no readable audio
    };
    // The entry when its stamp matches; none when the file must be measured.
    std::optional<Entry> Find(const std::string& path, const FileStamp& stamp) const;
    // The entry whatever the file's stamp now; for showing a length before it is checked.
    std::optional<Entry> FindAnyStamp(const std::string& path) const;
    void Store(const std::string& path, const Entry& entry);

private:
    std::string m_file;
    mutable std::mutex m_mutex;
    std::map<std::string, Entry> m_entries;
    bool m_dirty = false;
};

// The play length of one file: its frame headers first, GStreamer's discoverer for anything
// they cannot tell. None when neither can.
std::optional<std::int64_t> MeasureDuration(const std::string& path);

// The lengths of files (absolute paths), index for index: from the cache where the stamps
// match, the others measured on up to `threads` threads and stored in the cache.
std::vector<std::optional<std::int64_t>> ReadDurations(const std::vector<std::string>& paths,
                                                       DurationCache& cache, int threads = 2);

} // namespace cuelist
