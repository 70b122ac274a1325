// SPDX-License-Identifier: GPL-3.0-or-later
// Loudness of 2,000 MP3 files of 5 to 60 s (or the count given as the first argument) on two
// threads: twelve distinct tone files of 5, 10, ... 60 s, half mono and half stereo, are
// encoded once and named 2,000 times through hard links, so every file is decoded in full.
// Prints the time cold, the audio decoded per second, and the time with the kept values.
#include "media/loudness.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gst/gst.h>
#include <string>
#include <vector>

using namespace cuelist;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

bool Encode(const std::string& path, int seconds, int channels, double amplitude)
{
    const std::string description =
        "audiotestsrc wave=pink-noise volume=" + std::to_string(amplitude) +
        " samplesperbuffer=441 num-buffers=" + std::to_string(seconds * 100) +
        " ! audio/x-raw,format=S16LE,rate=44100,channels=" + std::to_string(channels) +
        " ! lamemp3enc target=bitrate bitrate=128 cbr=true ! filesink name=out";
    GstElement* pipeline = gst_parse_launch(description.c_str(), nullptr);
    if (!pipeline)
        return false;
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    g_object_set(sink, "location", path.c_str(), nullptr);
    gst_object_unref(sink);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop_filtered(
        bus, 300 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message)
        gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

} // namespace

int main(int argc, char** argv)
{
    gst_init(&argc, &argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::string pattern = (fs::temp_directory_path() / "cuelist-loudness-XXXXXX").string();
    const fs::path folder = ::mkdtemp(pattern.data());

    std::vector<std::string> sources;
    for (int i = 0; i < 12; ++i) {
        const std::string path = (folder / ("SRC" + std::to_string(i) + ".MP3")).string();
        if (!Encode(path, 5 * (i + 1), 1 + i % 2, 0.05 + 0.07 * i)) {
            std::fprintf(stderr, "bench_loudness: cannot encode the test files\n");
            fs::remove_all(folder);
            return 1;
        }
        sources.push_back(path);
    }
    std::vector<std::string> paths;
    double audioSeconds = 0;
    for (int n = 0; n < count; ++n) {
        const int i = n % 12;
        const fs::path link = folder / ("F" + std::to_string(n) + ".MP3");
        fs::create_hard_link(sources[std::size_t(i)], link);
        paths.push_back(link.string());
        audioSeconds += 5.0 * (i + 1);
    }

    LoudnessCache cache;
    const auto cold = Clock::now();
    const auto values = ReadLoudness(paths, cache, 2);
    const double coldSeconds = Seconds(cold);
    int measured = 0;
    for (const auto& value : values)
        measured += value ? 1 : 0;
    const auto warm = Clock::now();
    ReadLoudness(paths, cache, 2);
    const double warmSeconds = Seconds(warm);

    std::printf("loudness of %d files (%.1f h of audio, 5-60 s each), 2 threads:\n", count,
                audioSeconds / 3600.0);
    std::printf("  measured   %d of %d\n", measured, count);
    std::printf("  cold       %.1f s  (%.1f ms per file, %.0fx real time)\n", coldSeconds,
                1000.0 * coldSeconds / count, audioSeconds / coldSeconds);
    std::printf("  kept       %.3f s\n", warmSeconds);
    fs::remove_all(folder);
    return 0;
}
