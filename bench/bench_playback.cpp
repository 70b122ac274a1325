// Channel preview timing with the real GStreamer player: how late each phrase starts
// against its ideal start, and how long Close takes while a phrase plays.
#include "iplaychannellistener.h"
#include "phraseplayer.h"
#include "playchanneldlg.h"
#include "playchannelstate.h"
#include "playchannelworker.h"
#include "steadyplaybackclock.h"
#include "tonefile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <gst/gst.h>
#include <mutex>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <thread>
#include <vector>

using namespace cuelist;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

namespace {

constexpr int kToneMs = 200;

// When each playing started and when its end was seen, for every player of one run.
struct Timeline
{
    std::mutex mutex;
    std::vector<Clock::time_point> starts;
    std::vector<Clock::time_point> ends;
};

class RecordingPlayer final : public IPhrasePlayer
{
public:
    explicit RecordingPlayer(Timeline& timeline) : m_timeline(timeline) {}
    int Create() override { return m_player.Create(); }
    int Open(const std::string& path) override { return m_player.Open(path); }
    int SetVolume(int decibels) override { return m_player.SetVolume(decibels); }
    int Rewind() override { return m_player.Rewind(); }
    int Run() override
    {
        const int result = m_player.Run();
        std::lock_guard lock(m_timeline.mutex);
        m_timeline.starts.push_back(Clock::now());
        return result;
    }
    int Stop() override { return m_player.Stop(); }
    int PollCompletion() override
    {
        const int code = m_player.PollCompletion();
        if (code != kStillPlaying && !m_ended) {
            m_ended = true;
            std::lock_guard lock(m_timeline.mutex);
            m_timeline.ends.push_back(Clock::now());
        }
        return code;
    }

private:
    CPhrasePlayer m_player;
    Timeline& m_timeline;
    bool m_ended = false;
};

class QuietListener final : public IPlayChannelListener
{
public:
    void PhraseStarted(int) override {}
    void PlayingStopped() override {}
    void PlayingFailed(Failure, const std::string& name) override
    {
        std::fprintf(stderr, "phrase %s failed\n", name.c_str());
    }
};

SlotRecord Mp3(const std::string& name, int repeat, int interval)
{
    SlotRecord r{};
    r[record::kType] = kTypeMp3;
    std::memset(&r[record::kName], ' ', record::kNameLength);
    std::memcpy(&r[record::kName], name.data(), name.size());
    r[record::kRepeat] = std::uint8_t(repeat);
    r[record::kIntervalLow] = std::uint8_t(interval);
    return r;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Max(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// The decoded length of the file, as the player will play it.
Clock::duration MediaDuration(const std::string& path)
{
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    g_object_set(playbin, "uri", uri, "audio-sink", sink, nullptr);
    g_free(uri);
    gst_element_set_state(playbin, GST_STATE_PAUSED);
    gst_element_get_state(playbin, nullptr, nullptr, 5 * GST_SECOND);
    // The parser may know the length only a moment after the preroll.
    gint64 nanoseconds = 0;
    for (int i = 0; i < 100 && nanoseconds <= 0; ++i) {
        if (!gst_element_query_duration(playbin, GST_FORMAT_TIME, &nanoseconds))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return std::chrono::nanoseconds(nanoseconds);
}

void MeasureChannel(const std::string& folder, int intervalSeconds, Clock::duration media)
{
    PlayChannelJob job;
    job.dataFolder = folder;
    for (int i = 0; i < kFrameCount; ++i)
        job.records[i] = Mp3("P" + std::to_string(i + 1), 0, intervalSeconds);
    Timeline timeline;
    SteadyPlaybackClock clock;
    PlayChannelState state;
    state.play = PlayChannelState::kPlaying;
    state.workerDone = false;
    QuietListener listener;
    PlayChannelWorker worker(
        job, [&] { return std::make_unique<RecordingPlayer>(timeline); }, clock, state, listener);
    std::thread thread([&] { worker.Run(); });
    thread.join();

    const auto interval = std::chrono::seconds(intervalSeconds);
    std::vector<double> afterEnd; // start against the previous end as reported + interval
    std::vector<double> late;     // start against previous start + decoded length + interval
    for (std::size_t k = 1; k < timeline.starts.size(); ++k) {
        afterEnd.push_back(Ms(timeline.starts[k] - (timeline.ends[k - 1] + interval)).count());
        late.push_back(
            Ms(timeline.starts[k] - (timeline.starts[k - 1] + media + interval)).count());
    }
    const double drift = Ms(timeline.starts.back() - timeline.starts.front() -
                            (kFrameCount - 1) * (media + interval))
                             .count();
    std::printf("interval %d s, %zu phrases of %.1f ms decoded\n", intervalSeconds,
                timeline.starts.size(), Ms(media).count());
    std::printf("  start - (previous end + interval):          median %5.1f ms, max %5.1f ms  "
                "(target: %s)\n",
                Median(afterEnd), Max(afterEnd),
                intervalSeconds == 0 ? "median <= 30, max <= 60" : "<= 20");
    std::printf("  start - (previous start + length + interval): median %5.1f ms, max %5.1f ms\n",
                Median(late), Max(late));
    std::printf("  last start against the channel's ideal:        %5.1f ms\n", drift);
}

void MeasureClose(const std::string& folder, int rounds)
{
    std::array<SlotRecord, kFrameCount> records{};
    records[0] = Mp3("P1", 255, 0);
    std::vector<double> closing;
    for (int round = 0; round < rounds; ++round) {
        CPlayChannelDlg dialog;
        dialog.SetChannel(folder, 1, records);
        Clock::time_point clicked;
        QTimer::singleShot(500 + 37 * round, &dialog, [&] {
            clicked = Clock::now();
            dialog.findChild<QPushButton*>(QStringLiteral("close"))->click();
        });
        dialog.exec();
        closing.push_back(Ms(Clock::now() - clicked).count());
    }
    std::printf("Close while playing to dialog gone, %d rounds: median %.1f ms, max %.1f ms  "
                "(target: <= 50)\n",
                rounds, Median(closing), Max(closing));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!gst_init_check(nullptr, nullptr, nullptr)) {
        std::fprintf(stderr, "GStreamer cannot start\n");
        return 1;
    }
    const auto root = std::filesystem::temp_directory_path() /
                      ("cuelist-bench-playback-" + std::to_string(::getpid()));
    const auto data = root / "DATA";
    std::filesystem::create_directories(data);
    for (int i = 1; i <= kFrameCount; ++i) {
        if (!WriteToneMp3((data / ("P" + std::to_string(i) + ".MP3")).string(), kToneMs)) {
            std::fprintf(stderr, "cannot encode a tone (lamemp3enc missing?)\n");
            return 1;
        }
    }
    const std::string folder = data.string() + "/";
    const auto media = MediaDuration((data / "P1.MP3").string());
    if (media <= Clock::duration::zero()) {
        std::fprintf(stderr, "cannot learn the length of the tone\n");
        return 1;
    }

    MeasureChannel(folder, 0, media);
    MeasureChannel(folder, 1, media);
    MeasureClose(folder, 8);

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
