// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness.h"

#include "cachefile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ebur128.h>
#include <fcntl.h>
#include <memory>
#include <mpg123.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace cuelist {

using fileio::FileStamp;
using fileio::StampOf;

namespace {

constexpr char kLoudnessHeader[] = "cuelist-loudness 2";

struct HandleCloser
{
    void operator()(mpg123_handle* h) const
    {
        mpg123_close(h);
        mpg123_delete(h);
    }
    void operator()(ebur128_state* s) const { ebur128_destroy(&s); }
};

// Opens a regular file for reading without ever blocking on a FIFO or device.
int OpenRegular(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string WriteNumber(double value)
{
    if (!std::isfinite(value))
        return "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

bool ReadNumber(const std::string& field, double& value)
{
    if (field == "-inf") {
        value = -HUGE_VAL;
        return true;
    }
    char* end = nullptr;
    value = std::strtod(field.c_str(), &end);
    return end && *end == '\0' && end != field.c_str() && std::isfinite(value);
}

} // namespace

std::optional<Loudness> MeasureLoudness(const std::string& path, const std::atomic<bool>* cancel)
{
    const int fd = OpenRegular(path);
    if (fd < 0)
        return std::nullopt;
    int error = MPG123_OK;
    std::unique_ptr<mpg123_handle, HandleCloser> decoder(mpg123_new(nullptr, &error));
    if (!decoder) {
        ::close(fd);
        return std::nullopt;
    }
    mpg123_param(decoder.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_FLOAT, 0);
    // The handle reads the descriptor; mpg123_close does not close it, so it is closed here.
    struct FdCloser
    {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    if (mpg123_open_fd(decoder.get(), fd) != MPG123_OK)
        return std::nullopt;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK ||
        encoding != MPG123_ENC_FLOAT_32 || rate <= 0 || channels < 1)
        return std::nullopt;
    std::unique_ptr<ebur128_state, HandleCloser> meter(
        ebur128_init(unsigned(channels), unsigned(rate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
    if (!meter)
        return std::nullopt;

    std::vector<float> buffer(16384);
    std::size_t frames = 0;
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        std::size_t bytes = 0;
        const int result =
            mpg123_read(decoder.get(), buffer.data(), buffer.size() * sizeof(float), &bytes);
        const std::size_t count = bytes / sizeof(float) / std::size_t(channels);
        if (count > 0) {
            ebur128_add_frames_float(meter.get(), buffer.data(), count);
            frames += count;
        }
        if (result == MPG123_DONE)
            break;
        if (result == MPG123_NEW_FORMAT) {
            if (mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK ||
                encoding != MPG123_ENC_FLOAT_32 ||
                ebur128_change_parameters(meter.get(), unsigned(channels), unsigned(rate)) ==
                    EBUR128_ERROR_NOMEM)
                return std::nullopt;
            continue;
        }
        if (result != MPG123_OK)
            break; // damage after some audio: measure what was decoded
    }
    if (frames == 0)
        return std::nullopt;
    Loudness loudness;
    if (ebur128_loudness_global(meter.get(), &loudness.lufs) != EBUR128_SUCCESS)
        return std::nullopt;
    double peak = 0;
    for (int channel = 0; channel < channels; ++channel) {
        double value = 0;
        if (ebur128_true_peak(meter.get(), unsigned(channel), &value) == EBUR128_SUCCESS)
            peak = std::max(peak, value);
    }
    loudness.truePeakDb = peak > 0 ? 20.0 * std::log10(peak) : -HUGE_VAL;
    return loudness;
}

LoudnessCache::LoudnessCache(std::string file) : m_file(std::move(file)) {}

std::string LoudnessCache::DefaultFile()
{
    const std::string durations = DurationCache::DefaultFile();
    if (durations.empty())
        return {};
    return durations.substr(0, durations.rfind('/')) + "/loudness.tsv";
}

void LoudnessCache::Load()
{
    const std::string lines = ReadCacheLines(m_file, kLoudnessHeader, DurationCache::kMaxFileBytes);
    std::map<std::string, Entry> entries;
    // stamp, lufs, peak (both "none": not audio), path; tab-separated
    std::string_view text = lines;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         text.remove_prefix(end + 1), end = text.find('\n')) {
        std::string_view line = text.substr(0, end);
        Entry entry;
        std::string_view lufs;
        std::string_view peak;
        if (!TakeStampFields(line, entry.stamp) || !TakeField(line, lufs) ||
            !TakeField(line, peak) || line.empty() || line.front() != '/')
            continue;
        if (lufs != "none") {
            Loudness value;
            if (!ReadNumber(std::string(lufs), value.lufs) ||
                !ReadNumber(std::string(peak), value.truePeakDb))
                continue;
            entry.loudness = value;
        }
        entries[std::string(line)] = entry;
    }
    std::lock_guard lock(m_mutex);
    for (auto& [path, entry] : entries)
        m_entries.try_emplace(path, entry);
}

bool LoudnessCache::Save()
{
    std::lock_guard lock(m_mutex);
    if (m_file.empty() || !m_dirty)
        return true;
    std::string out(kLoudnessHeader);
    out.push_back('\n');
    for (const auto& [path, entry] : m_entries) {
        if (path.find('\n') != std::string::npos)
            continue;
        AppendStampFields(out, entry.stamp);
        if (entry.loudness)
            out +=
                WriteNumber(entry.loudness->lufs) + '\t' + WriteNumber(entry.loudness->truePeakDb);
        else
            out += "none\tnone";
        out += '\t' + path + '\n';
    }
    if (!WriteCacheFile(m_file, out))
        return false;
    m_dirty = false;
    return true;
}

std::optional<LoudnessCache::Entry> LoudnessCache::Find(const std::string& path,
                                                        const FileStamp& stamp) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || !(it->second.stamp == stamp))
        return std::nullopt;
    return it->second;
}

void LoudnessCache::Store(const std::string& path, const Entry& entry)
{
    std::lock_guard lock(m_mutex);
    m_entries[path] = entry;
    m_dirty = true;
}

std::vector<std::optional<Loudness>> ReadLoudness(const std::vector<std::string>& paths,
                                                  LoudnessCache& cache, int threads,
                                                  std::atomic<int>* done,
                                                  const std::atomic<bool>* cancel)
{
    std::vector<std::optional<Loudness>> values(paths.size());
    std::vector<std::size_t> pending;
    std::vector<FileStamp> stamps(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const FileStamp stamp = StampOf(paths[i]);
        bool known = !stamp.regular; // nothing to measure in a missing file
        if (stamp.regular) {
            stamps[i] = stamp;
            if (const auto entry = cache.Find(paths[i], stamp)) {
                values[i] = entry->loudness;
                known = true;
            }
        }
        if (!known)
            pending.push_back(i);
        else if (done)
            ++*done;
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t n = next++; n < pending.size(); n = next++) {
            if (cancel && cancel->load())
                return;
            const std::size_t i = pending[n];
            values[i] = MeasureLoudness(paths[i], cancel);
            if (cancel && cancel->load())
                return; // a cut-short measurement is no result
            // The stamp is taken again: a file rewritten while it was read is measured anew.
            if (const FileStamp now = StampOf(paths[i]); now.regular && now == stamps[i])
                cache.Store(paths[i], {stamps[i], values[i]});
            if (done)
                ++*done;
        }
    };
    std::vector<std::thread> workers;
    const std::size_t count = std::min<std::size_t>(std::max(threads, 1), pending.size());
    for (std::size_t t = 1; t < count; ++t)
        workers.emplace_back(work);
    if (count > 0)
        work();
    for (std::thread& worker : workers)
        worker.join();
    return values;
}

} // namespace cuelist
