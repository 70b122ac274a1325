// SPDX-License-Identifier: GPL-3.0-or-later
// Match Loudness as heard: four phrases recorded 12 dB apart are measured, given the volumes
// Match Loudness computes, and played as one channel by the preview's engine into a private
// PulseAudio server with a null sink. Each phrase in the recording is measured again with
// libebur128; prints each loudness as heard and the spread (the goal is within 1 LU).
#include "core/loudnessmatch.h"
#include "core/slottable.h"
#include "iplaychannellistener.h"
#include "media/loudness.h"
#include "phraseplayer.h"
#include "playchannelstate.h"
#include "playchannelworker.h"
#include "steadyplaybackclock.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ebur128.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gst/gst.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace cuelist;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;
constexpr const char* kSink = "cuelist_match";
constexpr double kAmplitudes[] = {0.8, 0.2, 0.05, 0.0125}; // 12 dB apart

// A child process that is ended by its id.
class Child final
{
public:
    explicit Child(const std::vector<std::string>& argv, const std::string& log)
    {
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawnp(&m_pid, args[0], &actions, nullptr, args.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() { End(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return m_pid > 0; }
    void End()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
};

bool EncodeNoise(const std::string& path, double amplitude)
{
    const std::string description =
        "audiotestsrc wave=pink-noise volume=" + std::to_string(amplitude) +
        " samplesperbuffer=441 num-buffers=400 ! audio/x-raw,format=S16LE,rate=44100,channels=1"
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
        bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (message)
        gst_message_unref(message);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}

struct Quiet final : IPlayChannelListener
{
    void PhraseStarted(int) override {}
    void PlayingStopped() override {}
    void PlayingFailed(Failure, const std::string& name) override
    {
        std::fprintf(stderr, "  phrase %s failed\n", name.c_str());
    }
};

// The stretches of sound in the recording, split at 100 ms of digital silence.
std::vector<std::pair<std::size_t, std::size_t>> Phrases(const std::vector<float>& samples)
{
    std::vector<std::pair<std::size_t, std::size_t>> found;
    std::size_t on = 0, last = 0;
    bool inside = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::fabs(samples[i]) < 1e-6f)
            continue;
        if (!inside || i - last > kRate / 10) {
            if (inside)
                found.emplace_back(on, last + 1);
            on = i;
            inside = true;
        }
        last = i;
    }
    if (inside)
        found.emplace_back(on, last + 1);
    std::erase_if(found, [](const auto& p) { return p.second - p.first < kRate; });
    return found;
}

double Lufs(const float* samples, std::size_t count)
{
    ebur128_state* meter = ebur128_init(1, kRate, EBUR128_MODE_I);
    ebur128_add_frames_float(meter, samples, count);
    double lufs = -HUGE_VAL;
    ebur128_loudness_global(meter, &lufs);
    ebur128_destroy(&meter);
    return lufs;
}

} // namespace

int main()
{
    std::string pattern = (fs::temp_directory_path() / "cuelist-match-XXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());
    {
        std::ofstream config(dir / "server.pa");
        config << "load-module module-null-sink sink_name=" << kSink << " rate=" << kRate
               << " channels=1 format=float32le\n"
               << "load-module module-native-protocol-unix auth-anonymous=1 socket="
               << (dir / "native").string() << "\n"
               << "set-default-sink " << kSink << "\n";
    }
    ::setenv("PULSE_RUNTIME_PATH", dir.c_str(), 1);
    ::setenv("PULSE_STATE_PATH", dir.c_str(), 1);
    ::unsetenv("PULSE_SINK");
    Child server({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                  "--log-level=error", "-F", (dir / "server.pa").string()},
                 (dir / "server.log").string());
    for (int i = 0; i < 100 && server.Started() && !fs::exists(dir / "native"); ++i)
        std::this_thread::sleep_for(50ms);
    if (!server.Started() || !fs::exists(dir / "native")) {
        std::puts("match as heard: skipped, no PulseAudio server could be started");
        fs::remove_all(dir);
        return 0;
    }
    ::setenv("PULSE_SERVER", ("unix:" + (dir / "native").string()).c_str(), 1);
    gst_init(nullptr, nullptr);

    const fs::path data = dir / "DATA";
    fs::create_directories(data);
    std::vector<std::string> paths;
    for (int i = 0; i < 4; ++i) {
        paths.push_back((data / ("P" + std::to_string(i + 1) + ".MP3")).string());
        if (!EncodeNoise(paths.back(), kAmplitudes[i])) {
            std::puts("match as heard: cannot encode the phrases");
            return 1;
        }
    }
    LoudnessCache cache;
    const auto measured = ReadLoudness(paths, cache, 2);
    std::vector<LoudnessSlot> phrases;
    for (int i = 0; i < 4; ++i)
        phrases.push_back({i + 1, 1, 0,
                           measured[std::size_t(i)] ? std::optional(measured[std::size_t(i)]->lufs)
                                                    : std::nullopt});
    const LoudnessMatch match = MatchLoudness(phrases);

    SlotTable table;
    PlayChannelJob job;
    job.dataFolder = data.string() + "/";
    for (int i = 0; i < 4; ++i) {
        table.SetSlotFile(i + 1, 1, "P" + std::to_string(i + 1) + ".MP3");
        table.SetSlotInterval(i + 1, 1, 1);
    }
    for (const LoudnessChange& change : match.changes)
        table.SetSlotVolumeOrSpeed(change.frame, 1, std::uint8_t(change.newAttenuation));
    for (int i = 0; i < 4; ++i)
        job.records[std::size_t(i)] = table.RecordAt(i + 1, 1);

    const std::string raw = (dir / "heard.raw").string();
    Child recorder({"parec", "-d", std::string(kSink) + ".monitor", "--format=float32le",
                    "--rate=44100", "--channels=1", "--latency-msec=10", raw},
                   (dir / "parec.log").string());
    std::this_thread::sleep_for(500ms);
    SteadyPlaybackClock clock;
    PlayChannelState state;
    state.play = PlayChannelState::kPlaying;
    state.workerDone = false;
    Quiet listener;
    PlayChannelWorker(
        job, [] { return std::make_unique<CPhrasePlayer>(); }, clock, state, listener)
        .Run();
    std::this_thread::sleep_for(500ms);
    recorder.End();

    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<float> samples(bytes.size() / sizeof(float));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
    const auto found = Phrases(samples);
    std::printf("match as heard: %zu phrases recorded (4 expected)\n", found.size());
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const double lufs = Lufs(samples.data() + found[i].first, found[i].second - found[i].first);
        const int attenuation = i < 4 ? table.RecordAt(int(i) + 1, 1)[record::kVolume] : 0;
        std::printf("  phrase %zu: file %.1f LUFS, volume -%d dB, heard %.1f LUFS\n", i + 1,
                    i < 4 && measured[i] ? measured[i]->lufs : 0.0, attenuation, lufs);
        low = std::min(low, lufs);
        high = std::max(high, lufs);
    }
    if (!found.empty())
        std::printf("  spread as heard: %.2f LU\n", high - low);
    server.End();
    fs::remove_all(dir);
    return found.size() == 4 ? 0 : 1;
}
