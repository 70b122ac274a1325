#include "phraseplayer.h"

#include <algorithm>
#include <gst/audio/streamvolume.h>
#include <gst/gst.h>
#include <mutex>

namespace {

// playbin's "flags": audio only, with its own volume element.
constexpr guint kPlayFlagAudio = 0x2;
constexpr guint kPlayFlagSoftVolume = 0x10;

// Longest wait for a local file to preroll before Open gives up.
constexpr GstClockTime kPrerollTimeout = 5 * GST_SECOND;

bool InitializeGStreamer()
{
    static std::once_flag once;
    static bool initialized = false;
    std::call_once(once, [] { initialized = gst_init_check(nullptr, nullptr, nullptr); });
    return initialized;
}

} // namespace

CPhrasePlayer::~CPhrasePlayer()
{
    Stop();
    if (m_pipeline)
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
    if (m_bus)
        gst_object_unref(m_bus);
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
    GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
    if (!sink)
        return kFailed;
    // playbin takes the floating reference of the sink.
    g_object_set(m_pipeline, "audio-sink", sink, "flags", kPlayFlagAudio | kPlayFlagSoftVolume,
                 nullptr);
    m_bus = gst_element_get_bus(m_pipeline);
    return m_bus ? kOk : kFailed;
}

int CPhrasePlayer::Open(const std::string& path)
{
    if (!m_pipeline || !m_bus || m_opened)
        return kFailed;
    m_opened = true;
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    if (!uri)
        return kFailed;
    g_object_set(m_pipeline, "uri", uri, nullptr);
    g_free(uri);

    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return kFailed;
    if (gst_element_get_state(m_pipeline, nullptr, nullptr, kPrerollTimeout) !=
        GST_STATE_CHANGE_SUCCESS)
        return kFailed;
    if (GstMessage* error = gst_bus_pop_filtered(m_bus, GST_MESSAGE_ERROR)) {
        gst_message_unref(error);
        return kFailed;
    }
    gint audioStreams = 0;
    g_object_get(m_pipeline, "n-audio", &audioStreams, nullptr);
    if (audioStreams < 1)
        return kFailed;
    m_atStart = true;
    return kOk;
}

int CPhrasePlayer::SetVolume(int decibels)
{
    if (!m_pipeline)
        return kFailed;
    const double db = std::clamp(decibels, kQuietestDecibels, 0);
    const double linear = gst_stream_volume_convert_volume(GST_STREAM_VOLUME_FORMAT_DB,
                                                           GST_STREAM_VOLUME_FORMAT_LINEAR, db);
    gst_stream_volume_set_volume(GST_STREAM_VOLUME(m_pipeline), GST_STREAM_VOLUME_FORMAT_LINEAR,
                                 linear);
    return kOk;
}

int CPhrasePlayer::Rewind()
{
    if (!m_pipeline || !m_opened)
        return kFailed;
    m_completion = kStillPlaying;
    if (m_atStart)
        return kOk;
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    if (!gst_element_seek_simple(m_pipeline, GST_FORMAT_TIME, flags, 0))
        return kFailed;
    m_atStart = true;
    return kOk;
}

int CPhrasePlayer::Run()
{
    if (m_running)
        return kOk;
    if (!m_pipeline || !m_opened)
        return kFailed;
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return kFailed;
    m_running = true;
    m_atStart = false;
    return kOk;
}

int CPhrasePlayer::Stop()
{
    if (!m_running)
        return kOk;
    if (!m_pipeline)
        return kFailed;
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return kFailed;
    m_running = false;
    return kOk;
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
    return m_completion;
}
