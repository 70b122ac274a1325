// SPDX-License-Identifier: GPL-3.0-or-later
#include "durationcache.h"

#include "cachefile.h"
#include "durationreader.h"
#include "mp3length.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace cuelist {

using fileio::FileStamp;
using fileio::StampFrom;
using fileio::StampOf;

namespace {

constexpr std::string_view kDurationsHeader = "cuelist-durations 2";

// stamp, milliseconds (-1: no audio), path; tab-separated
bool ParseLine(std::string_view line, std::string& path, DurationCache::Entry& entry)
{
    long long ms = -1;
    if (!TakeStampFields(line, entry.stamp) || !TakeInteger(line, ms) || line.empty() ||
        line.front() != '/' || ms < -1)
        return false;
    path.assign(line);
    entry.milliseconds = ms >= 0 ? std::optional<std::int64_t>(ms) : std::nullopt;
    return true;
}

} // namespace

DurationCache::DurationCache(std::string file) : m_file(std::move(file)) {}

std::string DurationCache::DefaultFile()
{
    std::string base;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.cache";
    else
        return {};
    return base + "/cuelist-studio/durations.tsv";
}

void DurationCache::Load()
{
    if (m_file.empty())
        return;
    // Only the head of an oversized cache is used: a cache can always be measured again, so
    // nothing is lost.
    const std::string lines = ReadCacheLines(m_file, kDurationsHeader, kMaxFileBytes);
    std::string_view text = lines;
    std::unordered_map<std::string, Kept> entries;
    std::string path;
    for (std::size_t end = text.find('\n');
         end != std::string_view::npos && entries.size() < kMaxEntries; end = text.find('\n')) {
        Kept kept;
        if (ParseLine(text.substr(0, end), path, kept.entry))
            entries.insert_or_assign(std::move(path), kept);
        text.remove_prefix(end + 1);
    }
    std::lock_guard lock(m_mutex);
    if (m_entries.empty()) {
        m_entries = std::move(entries);
        return;
    }
    for (auto& [name, kept] : entries)
        m_entries.try_emplace(name, kept);
}

bool DurationCache::Save()
{
    std::vector<std::pair<std::string, Kept>> entries;
    {
        std::lock_guard lock(m_mutex);
        if (m_file.empty() || !m_dirty)
            return true;
        entries.assign(m_entries.begin(), m_entries.end());
        m_dirty = false;
    }
    // Files that are gone or changed are left out; those used in this run come first.
    std::erase_if(entries, [](const auto& item) {
        const FileStamp now = StampOf(item.first);
        return !now.regular || !(now == item.second.entry.stamp);
    });
    std::stable_partition(entries.begin(), entries.end(),
                          [](const auto& item) { return item.second.used; });
    if (entries.size() > kMaxEntries)
        entries.resize(kMaxEntries);

    std::string out(kDurationsHeader);
    out.push_back('\n');
    out.reserve(entries.size() * 96);
    for (const auto& [path, kept] : entries) {
        // A name with a line break cannot be kept in this format; it is measured again.
        if (path.find('\n') != std::string::npos)
            continue;
        const Entry& entry = kept.entry;
        AppendStampFields(out, entry.stamp);
        out += std::to_string(entry.milliseconds.value_or(-1));
        out.push_back('\t');
        out += path;
        out.push_back('\n');
        if (out.size() > kMaxFileBytes - 4096)
            break; // what the next run would not read
    }
    if (!WriteCacheFile(m_file, out)) {
        std::lock_guard lock(m_mutex);
        m_dirty = true;
        return false;
    }
    return true;
}

std::optional<DurationCache::Entry> DurationCache::Find(const std::string& path,
                                                        const FileStamp& stamp) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || !(it->second.entry.stamp == stamp))
        return std::nullopt;
    it->second.used = true;
    return it->second.entry;
}

std::optional<DurationCache::Entry> DurationCache::FindAnyStamp(const std::string& path) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(path);
    return it == m_entries.end() ? std::nullopt : std::optional(it->second.entry);
}

void DurationCache::Store(const std::string& path, const Entry& entry)
{
    std::lock_guard lock(m_mutex);
    m_entries.insert_or_assign(path, Kept{entry, true});
    m_dirty = true;
}

std::size_t DurationCache::Size() const
{
    std::lock_guard lock(m_mutex);
    return m_entries.size();
}

namespace {

// What measuring a file found, and whether the result may be kept: a file that could not be
// opened for a passing reason (no descriptors, an I/O error) is measured again next time.
struct Measured
{
    std::optional<std::int64_t> milliseconds;
    std::optional<FileStamp> stamp; // none: nothing to keep
};

Measured Measure(const std::string& path, DurationReader*& discoverer)
{
    Measured result;
    // Without O_NONBLOCK a FIFO would hold the reader until a writer came.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == EACCES || errno == EPERM)
            if (const FileStamp stamp = StampOf(path); stamp.regular)
                result.stamp = stamp; // kept until a chmod changes the change time
        return result;
    }
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return result;
    }
    result.stamp = StampFrom(info);
    result.milliseconds = Mp3LengthOf(fd);
    ::close(fd);
    if (!result.milliseconds && info.st_size > 0) {
        if (!discoverer)
            discoverer = new DurationReader;
        result.milliseconds = discoverer->Read(path);
    }
    return result;
}

} // namespace

std::optional<std::int64_t> MeasureDuration(const std::string& path, FileStamp* stamp)
{
    DurationReader* discoverer = nullptr;
    const Measured measured = Measure(path, discoverer);
    delete discoverer;
    if (stamp && measured.stamp)
        *stamp = *measured.stamp;
    return measured.milliseconds;
}

std::vector<std::optional<std::int64_t>> ReadDurations(const std::vector<std::string>& paths,
                                                       DurationCache& cache, int threads)
{
    std::vector<std::optional<std::int64_t>> lengths(paths.size());
    std::vector<std::size_t> pending;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const FileStamp stamp = StampOf(paths[i]);
        if (!stamp.regular)
            continue;
        if (const auto entry = cache.Find(paths[i], stamp))
            lengths[i] = entry->milliseconds;
        else
            pending.push_back(i);
    }
    if (pending.empty())
        return lengths;

    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        DurationReader* discoverer = nullptr; // made only when a file needs it
        for (std::size_t n = next++; n < pending.size(); n = next++) {
            const std::size_t i = pending[n];
            const Measured measured = Measure(paths[i], discoverer);
            lengths[i] = measured.milliseconds;
            if (measured.stamp)
                cache.Store(paths[i], {*measured.stamp, measured.milliseconds});
        }
        delete discoverer;
    };
    const int count = std::clamp(threads, 1, int(std::min<std::size_t>(pending.size(), 8)));
    std::vector<std::thread> workers;
    for (int t = 1; t < count; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
    return lengths;
}

} // namespace cuelist
