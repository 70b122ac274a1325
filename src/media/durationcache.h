// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/filestamp.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace cuelist {

// Known play lengths of audio files, keyed by path and valid while the file's stamp is
// unchanged; a file that could not be read as audio is remembered as such, with its stamp.
// Kept in a text file so that the next start knows them at once. Safe for use by several
// threads.
class DurationCache final
{
public:
    static constexpr std::size_t kMaxFileBytes = 16u << 20;
    static constexpr std::size_t kMaxEntries = 100000;

    // file: where the cache is kept; empty keeps it in memory only.
    explicit DurationCache(std::string file = {});
    DurationCache(const DurationCache&) = delete;
    DurationCache& operator=(const DurationCache&) = delete;

    // $XDG_CACHE_HOME/cuelist-studio/durations.tsv, or ~/.cache/... without it.
    static std::string DefaultFile();

    // Reads at most kMaxFileBytes of a regular file, never waiting on a FIFO or a device, and
    // skips damaged lines; anything else leaves the cache empty. Entries already known win.
    void Load();
    // Keeps the entries whose files are still there as stamped, the ones used in this run
    // first, up to kMaxEntries, and replaces the file through the file layer's safe write.
    // Only when something changed; false when it could not be written (it costs time on the
    // next run only).
    bool Save();

    struct Entry
    {
        fileio::FileStamp stamp;
        std::optional<std::int64_t> milliseconds; // none: the file is no readable audio
    };
    // The entry when its stamp matches; none when the file must be measured.
    std::optional<Entry> Find(const std::string& path, const fileio::FileStamp& stamp) const;
    // The entry whatever the file's stamp now; for showing a length before it is checked.
    std::optional<Entry> FindAnyStamp(const std::string& path) const;
    void Store(const std::string& path, const Entry& entry);
    std::size_t Size() const;

private:
    struct Kept
    {
        Entry entry;
        mutable bool used = false; // looked up or stored in this run
    };
    std::string m_file;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Kept> m_entries;
    bool m_dirty = false;
};

// The play length of one file: libmpg123 first, GStreamer's discoverer for what it cannot
// open. None when neither can, or when the path is no regular file. stamp (when given)
// receives the stamp of the file that was measured.
std::optional<std::int64_t> MeasureDuration(const std::string& path,
                                            fileio::FileStamp* stamp = nullptr);

// The lengths of files (absolute paths), index for index: from the cache where the stamps
// match, the others measured on up to `threads` threads and stored in the cache.
std::vector<std::optional<std::int64_t>> ReadDurations(const std::vector<std::string>& paths,
                                                       DurationCache& cache, int threads = 2);

} // namespace cuelist
