// SPDX-License-Identifier: GPL-3.0-or-later
#include "phraseplayer.h"

#include <algorithm>
#include <fcntl.h>
#include <gst/audio/streamvolume.h>
#include <gst/gst.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// playbin's "flags": audio only, with its own volume element.
constexpr guint kPlayFlagAudio = 0x2;
constexpr guint kPlayFlagSoftVolume = 0x10;

// Longest wait for a local file to preroll before it counts as unplayable.
constexpr GstClockTime kPrerollTimeout = 5 * GST_SECOND;

// GLib hands work to its pooled streaming threads through futexes that ThreadSanitizer
// cannot see. These marks tell it what the pipeline guarantees: the callbacks run after
// the player is set up, and the player is torn down after they have returned.
#if defined(__SANITIZE_THREAD__)
#define CUELIST_TSAN_MARKS 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define CUELIST_TSAN_MARKS 1
#endif
#endif
#ifdef CUELIST_TSAN_MARKS
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
void MarkAcquire(void* address)
{
    __tsan_acquire(address);
}
void MarkRelease(void* address)
{
    __tsan_release(address);
}
#else
void MarkAcquire(void*) {}
void MarkRelease(void*) {}
#endif

bool InitializeGStreamer()
{
    static std::once_flag once;
    static bool initialized = false;
    std::call_once(once, [] { initialized = gst_init_check(nullptr, nullptr, nullptr); });
    return initialized;
}

// Opening without O_NONBLOCK would hang on a FIFO until a writer comes.
bool IsRegularFile(const std::string& path)
{
    if (path.empty())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st
    {
    };
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

double LinearVolume(int decibels)
{
    const double db = std::clamp(decibels, CPhrasePlayer::kQuietestDecibels, 0);
    return gst_stream_volume_convert_volume(GST_STREAM_VOLUME_FORMAT_DB,
                                            GST_STREAM_VOLUME_FORMAT_LINEAR, db);
}

// Prerolls the file into a fake sink: it decodes to at least one audio stream.
bool Decodes(const gchar* uri)
{
    GstElement* probe = gst_element_factory_make("playbin", nullptr);
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    if (!probe || !sink) {
        if (probe)
            gst_object_unref(probe);
        if (sink)
            gst_object_unref(sink);
        return false;
    }
    gst_object_ref_sink(probe);
    g_object_set(probe, "uri", uri, "audio-sink", sink, "flags", kPlayFlagAudio, nullptr);
    bool ok =
        gst_element_set_state(probe, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE &&
        gst_element_get_state(probe, nullptr, nullptr, kPrerollTimeout) == GST_STATE_CHANGE_SUCCESS;
    if (ok) {
        GstBus* bus = gst_element_get_bus(probe);
        if (GstMessage* error = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
            gst_message_unref(error);
            ok = false;
        }
        gst_object_unref(bus);
        gint audioStreams = 0;
        g_object_get(probe, "n-audio", &audioStreams, nullptr);
        ok = ok && audioStreams >= 1;
    }
    gst_element_set_state(probe, GST_STATE_NULL);
    gst_object_unref(probe);
    return ok;
}

// Every file of the channel leaves the filter in one format: the sink then never has to
// renegotiate between files (which drops the end of the file before), and the gain works on
// float samples, so that even -70 dB keeps its exact level.
GstElement* MakeOutputFilter()
{
    GError* error = nullptr;
    GstElement* bin = gst_parse_bin_from_description(
        "audioconvert ! audioresample ! "
        "audio/x-raw,format=F32LE,rate=44100,channels=2,layout=interleaved ! volume name=gain",
        TRUE, &error);
    g_clear_error(&error);
    return bin;
}

} // namespace

struct CPhrasePlayer::Callbacks
{
    static void AboutToFinish(GstElement* playbin, gpointer self)
    {
        MarkAcquire(self);
        static_cast<CPhrasePlayer*>(self)->HandOverNext(playbin);
        MarkRelease(self);
    }

    static GstPadProbeReturn FilterData(GstPad*, GstPadProbeInfo* info, gpointer data)
    {
        MarkAcquire(data);
        Inspect(info, static_cast<CPhrasePlayer*>(data));
        MarkRelease(data);
        return GST_PAD_PROBE_OK;
    }

    static void Inspect(GstPadProbeInfo* info, CPhrasePlayer* self)
    {
        if (info->type & GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM) {
            GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
            if (GST_EVENT_TYPE(event) == GST_EVENT_STREAM_START) {
                self->OnStreamStart();
            } else if (GST_EVENT_TYPE(event) == GST_EVENT_CAPS) {
                GstCaps* caps = nullptr;
                gst_event_parse_caps(event, &caps);
                gchar* text = caps ? gst_caps_to_string(caps) : nullptr;
                self->OnFormat(text ? text : "");
                g_free(text);
            } else if (GST_EVENT_TYPE(event) == GST_EVENT_SEGMENT) {
                const GstSegment* segment = nullptr;
                gst_event_parse_segment(event, &segment);
                GstSegment moved;
                gst_segment_copy_into(segment, &moved);
                if (self->OnSegment(moved)) {
                    GstEvent* replacement = gst_event_new_segment(&moved);
                    gst_event_set_seqnum(replacement, gst_event_get_seqnum(event));
                    gst_event_unref(event);
                    GST_PAD_PROBE_INFO_DATA(info) = replacement;
                }
            }
            return;
        }
        GstBuffer* first = nullptr;
        GstBuffer* last = nullptr;
        if (info->type & GST_PAD_PROBE_TYPE_BUFFER) {
            first = last = GST_PAD_PROBE_INFO_BUFFER(info);
        } else if (GstBufferList* list = GST_PAD_PROBE_INFO_BUFFER_LIST(info);
                   list && gst_buffer_list_length(list) > 0) {
            first = gst_buffer_list_get(list, 0);
            last = gst_buffer_list_get(list, gst_buffer_list_length(list) - 1);
        }
        if (!first)
            return;
        const GstClockTime end = GST_BUFFER_PTS_IS_VALID(last) && GST_BUFFER_DURATION_IS_VALID(last)
                                     ? GST_BUFFER_PTS(last) + GST_BUFFER_DURATION(last)
                                     : GST_CLOCK_TIME_NONE;
        self->OnBuffer(GST_BUFFER_PTS(first), end);
    }
};

CPhrasePlayer::CPhrasePlayer(GstElement* audioSink)
    : m_audioSink(audioSink ? GST_ELEMENT(gst_object_ref_sink(audioSink)) : nullptr)
{
}

CPhrasePlayer::~CPhrasePlayer()
{
    Stop();
    if (m_pipeline)
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
    // The streaming threads have ended; taking the lock once more also shows it to
    // ThreadSanitizer, which cannot see GLib's own hand-over.
    {
        std::lock_guard lock(m_mutex);
    }
    if (m_bus)
        gst_object_unref(m_bus);
    if (m_audioSink)
        gst_object_unref(m_audioSink);
    if (m_pipeline)
        gst_object_unref(m_pipeline);
}

int CPhrasePlayer::Create()
{
    if (m_pipeline)
        return kOk;
    if (!InitializeGStreamer())
        return kFailed;
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (!m_pipeline)
        return kFailed;
    gst_object_ref_sink(m_pipeline);
    const bool ownSink = m_audioSink != nullptr;
    GstElement* sink = ownSink ? std::exchange(m_audioSink, nullptr)
                               : gst_element_factory_make("autoaudiosink", nullptr);
    GstElement* filter = MakeOutputFilter();
    if (!sink || !filter) {
        if (sink)
            gst_object_unref(sink);
        if (filter)
            gst_object_unref(filter);
        return kFailed;
    }
    m_volume = gst_bin_get_by_name(GST_BIN(filter), "gain");
    if (m_volume)
        gst_object_unref(m_volume); // the bin keeps it as long as the pipeline lives
    // playbin takes the floating references of the sink and the filter.
    g_object_set(m_pipeline, "audio-sink", sink, "audio-filter", filter, "flags",
                 kPlayFlagAudio | kPlayFlagSoftVolume, nullptr);
    if (ownSink)
        gst_object_unref(sink); // playbin holds its own reference now
    g_signal_connect(m_pipeline, "about-to-finish", G_CALLBACK(&Callbacks::AboutToFinish), this);
    GstPad* pad = gst_element_get_static_pad(m_volume, "src");
    if (!pad)
        return kFailed;
    gst_pad_add_probe(pad,
                      static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM |
                                                   GST_PAD_PROBE_TYPE_BUFFER |
                                                   GST_PAD_PROBE_TYPE_BUFFER_LIST),
                      &Callbacks::FilterData, this, nullptr);
    gst_object_unref(pad);
    m_bus = gst_element_get_bus(m_pipeline);
    MarkRelease(this);
    return m_bus ? kOk : kFailed;
}

bool CPhrasePlayer::Playable(const std::string& path)
{
    if (!IsRegularFile(path))
        return false;
    if (path == m_lastPlayable)
        return true;
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    const bool ok = uri && Decodes(uri);
    g_free(uri);
    if (ok)
        m_lastPlayable = path;
    return ok;
}

int CPhrasePlayer::Open(const std::string& path)
{
    if (!m_pipeline || !m_bus || m_opened)
        return kFailed;
    m_opened = true;
    if (!Playable(path))
        return kFailed;
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    if (!uri)
        return kFailed;
    g_object_set(m_pipeline, "uri", uri, nullptr);
    std::lock_guard lock(m_mutex);
    m_items.push_back({uri, path, 1.0, 0});
    g_free(uri);
    return kOk;
}

int CPhrasePlayer::SetVolume(int decibels)
{
    if (!m_volume)
        return kFailed;
    g_object_set(m_volume, "volume", LinearVolume(decibels), nullptr);
    return kOk;
}

int CPhrasePlayer::Queue(const std::string& path, int decibels, std::chrono::milliseconds silence)
{
    if (m_items.empty() || !Playable(path))
        return kFailed;
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    if (!uri)
        return kFailed;
    {
        std::lock_guard lock(m_mutex);
        if (m_queueEnded) {
            g_free(uri);
            return kFailed;
        }
        m_items.push_back({uri, path, LinearVolume(decibels),
                           std::chrono::nanoseconds(std::max(silence, {})).count()});
    }
    g_free(uri);
    m_queued.notify_all();
    return kOk;
}

void CPhrasePlayer::EndQueue()
{
    {
        std::lock_guard lock(m_mutex);
        m_queueEnded = true;
    }
    m_queued.notify_all();
}

int CPhrasePlayer::Run()
{
    if (m_running)
        return kOk;
    if (!m_pipeline || m_items.empty())
        return kFailed;
    // Straight to playing: a sink prerolled and held paused makes the sound server play
    // that much silence before the first sample.
    MarkRelease(this);
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return kFailed;
    m_running = true;
    m_started = true;
    return kOk;
}

int CPhrasePlayer::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true; // releases a streaming thread waiting for the next item
    }
    m_queued.notify_all();
    if (!m_running)
        return kOk;
    if (!m_pipeline)
        return kFailed;
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return kFailed;
    m_running = false;
    return kOk;
}

int CPhrasePlayer::Heard()
{
    if (!m_started)
        return 0;
    if (m_completion == kComplete) {
        std::lock_guard lock(m_mutex);
        return int(m_starts.size());
    }
    const std::int64_t heard = HeardRunningTime();
    if (heard == kNotYet)
        return 0;
    std::lock_guard lock(m_mutex);
    return int(std::count_if(m_starts.begin(), m_starts.end(),
                             [heard](std::int64_t start) { return start <= heard; }));
}

std::chrono::milliseconds CPhrasePlayer::Played()
{
    std::int64_t played = 0;
    if (m_started) {
        const std::int64_t heard = m_completion == kComplete ? kNotYet : HeardRunningTime();
        std::lock_guard lock(m_mutex);
        played =
            heard == kNotYet ? m_deliveredEnd : std::clamp(heard, std::int64_t(0), m_deliveredEnd);
    }
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(played));
}

bool CPhrasePlayer::Drained()
{
    if (!m_started || m_completion == kComplete)
        return true;
    const std::int64_t heard = HeardRunningTime();
    std::lock_guard lock(m_mutex);
    return heard != kNotYet && heard >= m_deliveredEnd;
}

int CPhrasePlayer::FailedPlaying()
{
    std::lock_guard lock(m_mutex);
    return m_failedPlaying;
}

int CPhrasePlayer::OutputFormats()
{
    std::lock_guard lock(m_mutex);
    return m_formats;
}

std::int64_t CPhrasePlayer::HeardRunningTime()
{
    // The sink's clock follows the sound server, which holds it while it waits for data; so
    // the first file counts as heard as soon as the stream runs, and each later one when the
    // running time reaches its start.
    GstClock* clock = gst_element_get_clock(m_pipeline);
    if (!clock)
        return kNotYet;
    const GstClockTime now = gst_clock_get_time(clock);
    gst_object_unref(clock);
    if (m_latency < 0) {
        // Known once the pipeline plays; until then none is assumed.
        GstQuery* query = gst_query_new_latency();
        GstClockTime latency = 0;
        if (gst_element_query(m_pipeline, query)) {
            gst_query_parse_latency(query, nullptr, &latency, nullptr);
            m_latency = std::int64_t(latency);
        }
        gst_query_unref(query);
    }
    // A sample of running time t sounds at base time + t + latency.
    return std::int64_t(now) - std::int64_t(gst_element_get_base_time(m_pipeline)) -
           std::max<std::int64_t>(m_latency, 0);
}

int CPhrasePlayer::PollCompletion()
{
    if (!m_bus)
        return kErrorAbort; // never created: nothing will ever play
    if (m_completion != kStillPlaying)
        return m_completion;
    const auto types = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);
    if (GstMessage* message = gst_bus_pop_filtered(m_bus, types)) {
        m_completion = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS ? kComplete : kErrorAbort;
        gst_message_unref(message);
    }
    if (m_completion == kErrorAbort) {
        // A file handed over whose sound never began is the one that failed; the stream
        // before it reached the output whole.
        std::lock_guard lock(m_mutex);
        if (m_failedPlaying < 0 && m_starts.size() < m_handedOver)
            m_failedPlaying = int(m_starts.size());
    }
    return m_completion;
}

// Streaming thread: hands playbin the next queued file, waiting for the worker to queue
// one unless it has ended the queue or stopped.
void CPhrasePlayer::HandOverNext(GstElement* playbin)
{
    std::string uri;
    std::string path;
    {
        std::unique_lock lock(m_mutex);
        m_queued.wait(
            lock, [this] { return m_handedOver < m_items.size() || m_queueEnded || m_stopping; });
        if (m_stopping || m_handedOver >= m_items.size() || m_failedPlaying >= 0)
            return;
        uri = m_items[m_handedOver].uri;
        path = m_items[m_handedOver].path;
    }
    // The file was checked when it was queued; it may have gone since. The stream then ends
    // here, after the file before it, and the worker reports this one.
    const bool there = IsRegularFile(path);
    {
        std::lock_guard lock(m_mutex);
        if (!there) {
            m_failedPlaying = int(m_handedOver);
            return;
        }
        ++m_handedOver;
    }
    g_object_set(playbin, "uri", uri.c_str(), nullptr);
}

// Streaming threads, one per file, one after the other: each file after the first gets its
// volume, and the running time of what follows moves on by its silence.
void CPhrasePlayer::OnStreamStart()
{
    double volume = 0;
    GstElement* filter = nullptr;
    {
        std::lock_guard lock(m_mutex);
        filter = m_volume;
        m_awaitingFirstBuffer = true;
        if (m_streams++ == 0)
            return;
        if (m_streams - 1 >= m_items.size())
            return;
        const Item& item = m_items[m_streams - 1];
        m_offset += item.silence;
        volume = item.volume;
    }
    g_object_set(filter, "volume", volume, nullptr);
}

// The segment is moved itself rather than by a pad offset: an offset would send the ending
// file's segment again, moved too, and playbin would then hold the next file back until
// the silence had passed, too late for the sound server.
bool CPhrasePlayer::OnSegment(GstSegment& segment)
{
    std::lock_guard lock(m_mutex);
    segment.base += guint64(m_offset);
    m_segmentBase = std::int64_t(segment.base);
    m_segmentStart = std::int64_t(segment.start);
    return m_offset != 0;
}

void CPhrasePlayer::OnBuffer(std::uint64_t pts, std::uint64_t end)
{
    std::lock_guard lock(m_mutex);
    if (GST_CLOCK_TIME_IS_VALID(end))
        m_deliveredEnd =
            std::max(m_deliveredEnd, m_segmentBase + std::int64_t(end) - m_segmentStart);
    if (!m_awaitingFirstBuffer)
        return;
    m_awaitingFirstBuffer = false;
    m_starts.push_back(m_segmentBase +
                       (GST_CLOCK_TIME_IS_VALID(pts) ? std::int64_t(pts) - m_segmentStart : 0));
}

void CPhrasePlayer::OnFormat(const std::string& caps)
{
    std::lock_guard lock(m_mutex);
    if (caps != m_format) {
        m_format = caps;
        ++m_formats;
    }
}
