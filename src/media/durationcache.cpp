// SPDX-License-Identifier: GPL-3.0-or-later
#include "durationcache.h"

#include "durationreader.h"
#include "mp3frames.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace cuelist {

namespace {
// Files larger than this are left to the discoverer rather than read whole.
constexpr std::uint64_t kMaxFrameScanBytes = 256ull << 20;
constexpr char kHeader[] = "cuelist-durations 1";
} // namespace

std::optional<FileStamp> StampOf(const std::string& path)
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{std::uint64_t(info.st_size),
                     std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

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
    std::ifstream in(m_file);
    std::string line;
    if (!std::getline(in, line) || line != kHeader)
        return;
    std::map<std::string, Entry> entries;
    // size TAB mtime-ns TAB milliseconds (-1: unreadable) TAB path
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Entry entry;
        long long ms = -1;
        char tab = 0;
        if (!(fields >> entry.stamp.size >> entry.stamp.modifiedNs >> ms) || !fields.get(tab) ||
            tab != '\t')
            continue;
        std::string path;
        std::getline(fields, path);
        if (path.empty() || path.front() != '/')
            continue;
        if (ms >= 0)
            entry.milliseconds = ms;
        entries[path] = entry;
    }
    std::lock_guard lock(m_mutex);
    for (auto& [path, entry] : entries)
        m_entries.try_emplace(path, entry);
}

bool DurationCache::Save()
{
    std::lock_guard lock(m_mutex);
    if (m_file.empty() || !m_dirty)
        return true;
    const std::string folder = m_file.substr(0, m_file.rfind('/'));
    for (std::size_t at = 1; at != std::string::npos; at = folder.find('/', at + 1))
        ::mkdir(folder.substr(0, at).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    const std::string temporary = m_file + "." + std::to_string(::getpid()) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << kHeader << '\n';
        for (const auto& [path, entry] : m_entries) {
            // A name with a line break cannot be kept in this format; it is measured again.
            if (path.find('\n') != std::string::npos)
                continue;
            out << entry.stamp.size << '\t' << entry.stamp.modifiedNs << '\t'
                << entry.milliseconds.value_or(-1) << '\t' << path << '\n';
        }
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), m_file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    m_dirty = false;
    return true;
}

std::optional<DurationCache::Entry> DurationCache::Find(const std::string& path,
                                                        const FileStamp& stamp) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || !(it->second.stamp == stamp))
        return std::nullopt;
    return it->second;
}

std::optional<DurationCache::Entry> DurationCache::FindAnyStamp(const std::string& path) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(path);
    return it == m_entries.end() ? std::nullopt : std::optional(it->second);
}

void DurationCache::Store(const std::string& path, const Entry& entry)
{
    std::lock_guard lock(m_mutex);
    m_entries[path] = entry;
    m_dirty = true;
}

namespace {

std::optional<std::int64_t> FromFrames(const std::string& path, std::uint64_t size)
{
    if (size == 0 || size > kMaxFrameScanBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)))
        return std::nullopt;
    return Mp3DurationFromFrames(bytes);
}

std::optional<std::int64_t> Measure(const std::string& path, const FileStamp& stamp,
                                    DurationReader*& discoverer)
{
    if (auto length = FromFrames(path, stamp.size))
        return length;
    if (!discoverer)
        discoverer = new DurationReader;
    return discoverer->Read(path);
}

} // namespace

std::optional<std::int64_t> MeasureDuration(const std::string& path)
{
    const auto stamp = StampOf(path);
    if (!stamp)
        return std::nullopt;
    DurationReader* discoverer = nullptr;
    const auto length = Measure(path, *stamp, discoverer);
    delete discoverer;
    return length;
}

std::vector<std::optional<std::int64_t>> ReadDurations(const std::vector<std::string>& paths,
                                                       DurationCache& cache, int threads)
{
    std::vector<std::optional<std::int64_t>> lengths(paths.size());
    std::vector<std::size_t> pending;
    std::vector<FileStamp> stamps(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const auto stamp = StampOf(paths[i]);
        if (!stamp)
            continue;
        stamps[i] = *stamp;
        if (const auto entry = cache.Find(paths[i], *stamp))
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
            lengths[i] = Measure(paths[i], stamps[i], discoverer);
            cache.Store(paths[i], {stamps[i], lengths[i]});
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
