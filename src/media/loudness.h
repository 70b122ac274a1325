// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "durationcache.h"

#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace cuelist {

// Loudness of one file as EBU R 128 measures it over the decoded audio.
struct Loudness
{
    double lufs = 0;       // integrated loudness; -inf for silence
    double truePeakDb = 0; // true peak in dBTP; -inf for silence
    bool operator==(const Loudness&) const = default;
};

// Decodes an MPEG audio file with libmpg123 and measures it with libebur128. None when the
// file is not a regular file, holds no decodable audio, or cancel became true. Only regular
// files are opened (without blocking), so a FIFO or device never hangs the caller.
std::optional<Loudness> MeasureLoudness(const std::string& path,
                                        const std::atomic<bool>* cancel = nullptr);

// Measured loudness keyed by path, valid while the file's stamp is unchanged (the same
// stamps as the lengths), kept in a text file beside the lengths. Safe for several threads.
class LoudnessCache final
{
public:
    explicit LoudnessCache(std::string file = {});
    LoudnessCache(const LoudnessCache&) = delete;
    LoudnessCache& operator=(const LoudnessCache&) = delete;

    // $XDG_CACHE_HOME/cuelist-studio/loudness.tsv, or ~/.cache/... without it.
    static std::string DefaultFile();
    void Load(); // as DurationCache::Load: never waits on a FIFO, skips damaged lines
    bool Save(); // replaces the file through the safe write; false when it cannot

    struct Entry
    {
        fileio::FileStamp stamp;
        std::optional<Loudness> loudness; // none: no decodable audio
    };
    std::optional<Entry> Find(const std::string& path, const fileio::FileStamp& stamp) const;
    void Store(const std::string& path, const Entry& entry);

private:
    std::string m_file;
    mutable std::mutex m_mutex;
    std::map<std::string, Entry> m_entries;
    bool m_dirty = false;
};

// The loudness of files (absolute paths), index for index: from the cache where the stamps
// match, the others measured on up to `threads` threads and stored. `done` (when given)
// counts finished files for a progress bar; cancel stops before the next file.
std::vector<std::optional<Loudness>> ReadLoudness(const std::vector<std::string>& paths,
                                                  LoudnessCache& cache, int threads = 2,
                                                  std::atomic<int>* done = nullptr,
                                                  const std::atomic<bool>* cancel = nullptr);

} // namespace cuelist
