// SPDX-License-Identifier: GPL-3.0-or-later
// Play lengths against the audio GStreamer decodes, on a corpus made by
// scripts/make-mp3-corpus.sh (or the folder given as the first argument): the share within
// 5 ms, the worst miss, the files no length was found for, then the time of a cold and a
// warm cache for 2,000 files and the reader thread's peak memory. Prints figures only.
#include "media/durationcache.h"
#include "media/mp3length.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gst/gst.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace cuelist;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::int64_t kCloseMs = 5;
constexpr std::int64_t kWorstMs = 200;
constexpr int kCacheFiles = 2000;

struct Counted
{
    guint64 frames = 0;
    gint rate = 0;
};

GstPadProbeReturn CountFrames(GstPad* pad, GstPadProbeInfo* info, gpointer data)
{
    auto* counted = static_cast<Counted*>(data);
    if (!counted->rate) {
        if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
            gst_structure_get_int(gst_caps_get_structure(caps, 0), "rate", &counted->rate);
            gst_caps_unref(caps);
        }
    }
    // S16 interleaved mono: two bytes a frame.
    counted->frames += gst_buffer_get_size(GST_PAD_PROBE_INFO_BUFFER(info)) / 2;
    return GST_PAD_PROBE_OK;
}

// What a playbin decodes from the file (clipped as it plays it), in milliseconds; -1 when
// it decodes nothing.
std::int64_t DecodedMs(const std::string& path)
{
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    const std::string description =
        std::string("uridecodebin uri=\"") + uri +
        "\" ! audioconvert ! audio/x-raw,format=S16LE,channels=1 ! fakesink name=out sync=false";
    g_free(uri);
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    g_clear_error(&error);
    if (!pipeline)
        return -1;
    Counted counted;
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    GstPad* pad = gst_element_get_static_pad(sink, "sink");
    gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, CountFrames, &counted, nullptr);
    gst_object_unref(pad);
    gst_object_unref(sink);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, 60 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool ended = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message)
        gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    if (!counted.rate || (!ended && counted.frames == 0))
        return -1;
    return std::int64_t(counted.frames * 1000 / guint64(counted.rate));
}

std::optional<std::int64_t> LengthOf(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto length = Mp3LengthOf(fd);
    ::close(fd);
    return length;
}

void CompareWithDecoder(const std::vector<std::string>& files, bool verbose)
{
    int decodable = 0;
    int close = 0;
    int unknown = 0;
    int undecodableShown = 0;
    std::int64_t worst = 0;
    std::string worstFile;
    for (const std::string& file : files) {
        const std::int64_t decoded = DecodedMs(file);
        const auto length = MeasureDuration(file);
        if (decoded <= 0) {
            if (!length)
                ++undecodableShown;
            else if (verbose)
                std::printf("  undecodable, given %lld ms: %s\n", (long long)*length, file.c_str());
            continue;
        }
        ++decodable;
        if (!length) {
            ++unknown;
            if (verbose)
                std::printf("  no length, decodes to %lld ms: %s\n", (long long)decoded,
                            file.c_str());
            continue;
        }
        const std::int64_t miss = std::llabs(*length - decoded);
        if (miss <= kCloseMs)
            ++close;
        else if (verbose)
            std::printf("  %+lld ms (%lld for %lld): %s\n", (long long)(*length - decoded),
                        (long long)*length, (long long)decoded, file.c_str());
        if (miss > worst) {
            worst = miss;
            worstFile = file;
        }
    }
    const int undecodable = int(files.size()) - decodable;
    std::printf("lengths: %d files, %d decodable; within %lld ms: %d (%.1f%%, target >= 95%%)\n",
                int(files.size()), decodable, (long long)kCloseMs, close,
                decodable ? 100.0 * close / decodable : 0.0);
    std::printf("lengths: worst miss %lld ms (target <= %lld) %s\n", (long long)worst,
                (long long)kWorstMs, worstFile.c_str());
    std::printf("lengths: decodable without a length: %d; undecodable shown as ?: %d of %d\n",
                unknown, undecodableShown, undecodable);
}

void TimeCache(const std::vector<std::string>& corpus, const fs::path& work)
{
    // 2,000 distinct files: the corpus copied under new names as often as needed.
    fs::create_directories(work);
    std::vector<std::string> paths;
    for (int i = 0; i < kCacheFiles; ++i) {
        const fs::path target = work / ("F" + std::to_string(i) + ".MP3");
        std::error_code ec;
        fs::copy_file(corpus[std::size_t(i) % corpus.size()], target,
                      fs::copy_options::overwrite_existing, ec);
        paths.push_back(target.string());
    }
    const std::string cacheFile = (work / "durations.tsv").string();
    fs::remove(cacheFile);
    {
        DurationCache cache(cacheFile);
        cache.Load();
        const auto start = Clock::now();
        ReadDurations(paths, cache, 2);
        cache.Save();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::printf("cache: cold, %d files on 2 threads: %.0f ms (target <= 3000)\n", kCacheFiles,
                    ms);
    }
    {
        const auto start = Clock::now();
        DurationCache cache(cacheFile);
        cache.Load();
        ReadDurations(paths, cache, 2);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::printf("cache: warm, %d files, load included: %.1f ms (target <= 100)\n", kCacheFiles,
                    ms);
    }
    fs::remove_all(work);
}

} // namespace

int main(int argc, char** argv)
{
    gst_init(&argc, &argv);
    const char* folder = argc > 1 ? argv[1] : std::getenv("CUELIST_MP3_CORPUS");
    if (!folder) {
        std::printf("bench_lengths: make a corpus with scripts/make-mp3-corpus.sh DIR and pass "
                    "DIR (or set CUELIST_MP3_CORPUS)\n");
        return 0;
    }
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".mp3")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::printf("bench_lengths: no .mp3 files in %s\n", folder);
        return 0;
    }
    const bool verbose = std::getenv("CUELIST_BENCH_VERBOSE") != nullptr;
    CompareWithDecoder(files, verbose);
    if (std::getenv("CUELIST_BENCH_SLOWEST")) {
        for (const std::string& file : files) {
            const auto start = Clock::now();
            MeasureDuration(file);
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (ms > 20)
                std::printf("  slow: %.0f ms %s\n", ms, file.c_str());
        }
    }

    // The reader's own peak, in a child that measures one large file after another.
    std::vector<std::string> large = files;
    std::sort(large.begin(), large.end(), [](const std::string& a, const std::string& b) {
        return fs::file_size(a) > fs::file_size(b);
    });
    large.resize(std::min<std::size_t>(large.size(), 5));
    std::fflush(stdout);
    if (const pid_t child = ::fork(); child == 0) {
        struct rusage before = {};
        ::getrusage(RUSAGE_SELF, &before);
        for (const std::string& file : large)
            LengthOf(file);
        struct rusage after = {};
        ::getrusage(RUSAGE_SELF, &after);
        std::printf("reader: peak RSS %ld KB before, %ld KB after the %zu largest files "
                    "(largest %llu KB)\n",
                    before.ru_maxrss, after.ru_maxrss, large.size(),
                    (unsigned long long)(fs::file_size(large.front()) / 1024));
        std::fflush(stdout);
        ::_exit(0);
    } else if (child > 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
    }

    TimeCache(files,
              fs::temp_directory_path() / ("cuelist-bench-lengths-" + std::to_string(::getpid())));
    return 0;
}
