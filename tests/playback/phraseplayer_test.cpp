// SPDX-License-Identifier: GPL-3.0-or-later
// CPhrasePlayer on GStreamer, with short MP3 tones that the test encodes.
#include "phraseplayer.h"
#include "tempdatafolder.h"
#include "tonefile.h"

#include <atomic>
#include <filesystem>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr int kOk = IPhrasePlayer::kOk;
constexpr int kFailed = IPhrasePlayer::kFailed;

class PhrasePlayerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_data = new TempDataFolder;
        ASSERT_TRUE(WriteToneMp3(s_data->File("TONE.MP3"), 200));
    }
    static void TearDownTestSuite() { delete s_data; }

    // Polls as the worker does, with a generous bound so that a fault cannot hang the test.
    static int PollUntilEnd(IPhrasePlayer& player)
    {
        int code = IPhrasePlayer::kStillPlaying;
        for (int i = 0; i < 2000 && code == IPhrasePlayer::kStillPlaying; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            code = player.PollCompletion();
        }
        return code;
    }

    static inline TempDataFolder* s_data = nullptr;
};

TEST_F(PhrasePlayerTest, PlaysQueuedFilesAsOneStream)
{
    CPhrasePlayer player;
    ASSERT_EQ(player.Create(), kOk);
    ASSERT_EQ(player.Open(s_data->File("TONE.MP3")), kOk);
    for (const int decibels : {0, -70, -255})
        EXPECT_EQ(player.SetVolume(decibels), kOk);
    EXPECT_EQ(player.Queue(s_data->File("TONE.MP3"), -70, 0ms), kOk);
    EXPECT_EQ(player.Queue(s_data->File("TONE.MP3"), 0, 300ms), kOk);
    EXPECT_EQ(player.Heard(), 0);
    ASSERT_EQ(player.Run(), kOk);
    EXPECT_EQ(player.Run(), kOk);
    EXPECT_EQ(player.PollCompletion(), IPhrasePlayer::kStillPlaying); // answers at once
    EXPECT_EQ(player.Queue(s_data->File("TONE.MP3"), 0, 100ms), kOk); // while it plays
    player.EndQueue();
    EXPECT_EQ(player.Queue(s_data->File("TONE.MP3"), 0, 0ms), kFailed);
    EXPECT_EQ(PollUntilEnd(player), IPhrasePlayer::kComplete);
    EXPECT_EQ(player.Heard(), 4);
    EXPECT_EQ(player.Stop(), kOk);
    EXPECT_EQ(player.Stop(), kOk);
}

// The streaming thread waits for a file to be queued; Stop and destruction release it.
TEST_F(PhrasePlayerTest, EndsWhileWaitingForTheNextFile)
{
    for (const bool stopFirst : {true, false}) {
        CPhrasePlayer player;
        ASSERT_EQ(player.Create(), kOk);
        ASSERT_EQ(player.Open(s_data->File("TONE.MP3")), kOk);
        ASSERT_EQ(player.Run(), kOk);
        std::this_thread::sleep_for(400ms); // drained, nothing queued
        EXPECT_EQ(player.PollCompletion(), IPhrasePlayer::kStillPlaying);
        if (stopFirst) {
            EXPECT_EQ(player.Stop(), kOk);
        }
    }
}

// Files of other rates and channel counts reach the output in one format, so the sink never
// renegotiates between them (which cut the end of the file before). A file that is removed or
// broken after it was queued ends the stream after the one before it, and is the one named.
TEST_F(PhrasePlayerTest, OneOutputFormatAndAFileFailingAtItsTurn)
{
    ASSERT_TRUE(WriteToneMp3(s_data->File("MONO22.MP3"), 200, false, 22050, 1));
    ASSERT_TRUE(WriteToneMp3(s_data->File("STEREO48.MP3"), 200, false, 48000, 2));
    for (const bool removed : {true, false}) {
        std::filesystem::copy_file(s_data->File("TONE.MP3"), s_data->File("LATE.MP3"),
                                   std::filesystem::copy_options::overwrite_existing);
        CPhrasePlayer player;
        ASSERT_EQ(player.Create(), kOk);
        ASSERT_EQ(player.Open(s_data->File("TONE.MP3")), kOk);
        ASSERT_EQ(player.Queue(s_data->File("MONO22.MP3"), -20, 0ms), kOk);
        ASSERT_EQ(player.Queue(s_data->File("STEREO48.MP3"), 0, 100ms), kOk);
        ASSERT_EQ(player.Queue(s_data->File("LATE.MP3"), 0, 0ms), kOk);
        ASSERT_EQ(player.Queue(s_data->File("TONE.MP3"), 0, 0ms), kOk);
        player.EndQueue();
        if (removed)
            std::filesystem::remove(s_data->File("LATE.MP3"));
        else
            s_data->Write("LATE.MP3", std::string(8192, 'x'));
        ASSERT_EQ(player.Run(), kOk);
        const int end = PollUntilEnd(player);
        EXPECT_NE(end, IPhrasePlayer::kStillPlaying) << removed;
        for (int i = 0; i < 300 && !player.Drained(); ++i) // what was given is still sounding
            std::this_thread::sleep_for(10ms);
        EXPECT_EQ(player.FailedPlaying(), 3) << removed;
        EXPECT_EQ(player.Heard(), 3) << removed;
        EXPECT_EQ(player.OutputFormats(), 1) << removed;
        // Three tones of about 0.2 s and the silence of 0.1 s between them, and no more.
        EXPECT_GE(player.Played(), 600ms) << removed;
        EXPECT_LE(player.Played(), 900ms) << removed;
    }
}

// What reaches a sink, as running time: where each playing begins and ends. Fed on the
// streaming threads, read by the test after the stream ended.
class SinkListener final
{
public:
    struct Span
    {
        std::int64_t start = -1;
        std::int64_t end = -1;
    };

    // A fakesink that plays in real time, as a sound card does.
    GstElement* MakeSink()
    {
        GstElement* sink = gst_element_factory_make("fakesink", nullptr);
        g_object_set(sink, "sync", TRUE, nullptr);
        GstPad* pad = gst_element_get_static_pad(sink, "sink");
        gst_pad_add_probe(pad,
                          static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM |
                                                       GST_PAD_PROBE_TYPE_BUFFER),
                          &SinkListener::Probe, this, nullptr);
        gst_object_unref(pad);
        m_published.store(true, std::memory_order_release);
        return sink;
    }

    std::vector<Span> Playings()
    {
        std::lock_guard lock(m_mutex);
        return m_playings;
    }

private:
    static GstPadProbeReturn Probe(GstPad*, GstPadProbeInfo* info, gpointer self)
    {
        static_cast<SinkListener*>(self)->Take(info);
        return GST_PAD_PROBE_OK;
    }

    void Take(GstPadProbeInfo* info)
    {
        // GLib starts the streaming threads through futexes that ThreadSanitizer cannot see;
        // this read shows it that the listener was set up before.
        if (!m_published.load(std::memory_order_acquire))
            return;
        std::lock_guard lock(m_mutex);
        if (info->type & GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM) {
            GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
            if (GST_EVENT_TYPE(event) == GST_EVENT_STREAM_START) {
                m_playings.emplace_back();
            } else if (GST_EVENT_TYPE(event) == GST_EVENT_SEGMENT) {
                const GstSegment* segment = nullptr;
                gst_event_parse_segment(event, &segment);
                gst_segment_copy_into(segment, &m_segment);
            }
            return;
        }
        GstBuffer* buffer = GST_PAD_PROBE_INFO_BUFFER(info);
        if (m_playings.empty() || !GST_BUFFER_PTS_IS_VALID(buffer))
            return;
        const GstClockTime pts = GST_BUFFER_PTS(buffer);
        Span& playing = m_playings.back();
        if (playing.start < 0)
            playing.start =
                std::int64_t(gst_segment_to_running_time(&m_segment, GST_FORMAT_TIME, pts));
        if (GST_BUFFER_DURATION_IS_VALID(buffer))
            playing.end = std::int64_t(gst_segment_to_running_time(
                &m_segment, GST_FORMAT_TIME, pts + GST_BUFFER_DURATION(buffer)));
    }

    std::atomic<bool> m_published{false};
    std::mutex m_mutex;
    std::vector<Span> m_playings; // guarded
    GstSegment m_segment{};       // guarded
};

// Each playing begins its own interval after the end of the one before it, however many
// came before: the intervals never add up along the channel.
TEST_F(PhrasePlayerTest, EachIntervalFollowsTheEndOfThePlayingBeforeIt)
{
    gst_init(nullptr, nullptr);
    SinkListener listener;
    const std::chrono::milliseconds intervals[] = {300ms, 500ms, 100ms, 200ms};
    std::chrono::milliseconds played{};
    {
        CPhrasePlayer player(listener.MakeSink());
        ASSERT_EQ(player.Create(), kOk);
        ASSERT_EQ(player.Open(s_data->File("TONE.MP3")), kOk);
        for (const auto interval : intervals)
            ASSERT_EQ(player.Queue(s_data->File("TONE.MP3"), -10, interval), kOk);
        player.EndQueue();
        ASSERT_EQ(player.Run(), kOk);
        ASSERT_EQ(PollUntilEnd(player), IPhrasePlayer::kComplete);
        EXPECT_EQ(player.Heard(), 5);
        played = player.Played();
    }
    // The streaming threads have ended with the player.
    const std::vector<SinkListener::Span> playings = listener.Playings();
    ASSERT_EQ(playings.size(), std::size(intervals) + 1);
    constexpr std::int64_t kSlack = 5'000'000; // 5 ms in nanoseconds
    EXPECT_LE(playings[0].start, kSlack);
    for (std::size_t i = 1; i < playings.size(); ++i) {
        SCOPED_TRACE("playing " + std::to_string(i));
        ASSERT_GT(playings[i - 1].end, playings[i - 1].start);
        const std::int64_t gap = playings[i].start - playings[i - 1].end;
        EXPECT_NEAR(double(gap), double(std::chrono::nanoseconds(intervals[i - 1]).count()),
                    double(kSlack));
    }
    EXPECT_NEAR(double(std::chrono::nanoseconds(played).count()), double(playings.back().end),
                1e6 + double(kSlack));
}

TEST_F(PhrasePlayerTest, OpenRefusesWhatCannotBePlayed)
{
    s_data->Write("TEXT.MP3", "This is not an MP3 file at all.\n");
    s_data->Write("EMPTY.MP3", "");
    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 7919 % 251);
    s_data->Write("NOISE.MP3", noise);
    // Neither may block: a FIFO without a writer would hang a plain open.
    ASSERT_EQ(::mkfifo(s_data->File("FIFO.MP3").c_str(), 0600), 0);
    std::filesystem::create_directory(s_data->File("DIR.MP3"));
    for (const std::string& path :
         {s_data->File("TEXT.MP3"), s_data->File("EMPTY.MP3"), s_data->File("NOISE.MP3"),
          s_data->File("MISSING.MP3"), s_data->File(""), std::string(),
          s_data->File(std::string(5000, 'X') + ".MP3"), s_data->File("FIFO.MP3"),
          s_data->File("DIR.MP3")}) {
        CPhrasePlayer player;
        ASSERT_EQ(player.Create(), kOk);
        EXPECT_EQ(player.Open(path), kFailed) << path.substr(0, 100);
        EXPECT_EQ(player.Run(), kFailed);

        CPhrasePlayer queueing;
        ASSERT_EQ(queueing.Create(), kOk);
        ASSERT_EQ(queueing.Open(s_data->File("TONE.MP3")), kOk);
        EXPECT_EQ(queueing.Queue(path, 0, 0ms), kFailed) << path.substr(0, 100);
    }
}

TEST_F(PhrasePlayerTest, EachOperationNeedsTheOneBefore)
{
    CPhrasePlayer uncreated;
    EXPECT_EQ(uncreated.Open(s_data->File("TONE.MP3")), kFailed);
    EXPECT_EQ(uncreated.SetVolume(0), kFailed);
    EXPECT_EQ(uncreated.Queue(s_data->File("TONE.MP3"), 0, 0ms), kFailed);
    EXPECT_EQ(uncreated.Run(), kFailed);
    EXPECT_EQ(uncreated.Stop(), kOk);
    EXPECT_EQ(uncreated.PollCompletion(), IPhrasePlayer::kErrorAbort);

    CPhrasePlayer unopened;
    ASSERT_EQ(unopened.Create(), kOk);
    EXPECT_EQ(unopened.Queue(s_data->File("TONE.MP3"), 0, 0ms), kFailed);
    EXPECT_EQ(unopened.Run(), kFailed);

    CPhrasePlayer opened;
    ASSERT_EQ(opened.Create(), kOk);
    ASSERT_EQ(opened.Open(s_data->File("TONE.MP3")), kOk);
    EXPECT_EQ(opened.Open(s_data->File("TONE.MP3")), kFailed); // one player, one file
}

} // namespace
