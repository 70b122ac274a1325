// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcode.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <gst/gst.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace cuelist {

namespace {

constexpr GstClockTime kPoll = 100 * GST_MSECOND;

struct Unref
{
    void operator()(GstElement* e) const { gst_object_unref(e); }
    void operator()(GstBus* b) const { gst_object_unref(b); }
    void operator()(GstMessage* m) const { gst_message_unref(m); }
};

TranscodeResult Fail(TranscodeFault fault, std::string detail = {}, int error = 0)
{
    return {fault, error, std::move(detail)};
}

struct Link
{
    GstElement* converter = nullptr;
    std::atomic<bool> linked{false}; // set on a streaming thread
};

// Links decodebin's audio pad, once it appears, to the converter.
void OnPadAdded(GstElement*, GstPad* pad, gpointer data)
{
    auto* link = static_cast<Link*>(data);
    GstCaps* caps = gst_pad_get_current_caps(pad);
    if (!caps)
        caps = gst_pad_query_caps(pad, nullptr);
    const bool audio =
        caps && gst_caps_get_size(caps) > 0 &&
        g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), "audio/");
    if (caps)
        gst_caps_unref(caps);
    if (!audio)
        return;
    GstPad* sink = gst_element_get_static_pad(link->converter, "sink");
    if (!gst_pad_is_linked(sink) && GST_PAD_LINK_SUCCESSFUL(gst_pad_link(pad, sink)))
        link->linked = true;
    gst_object_unref(sink);
}

TranscodeResult FromError(GstMessage* message, GstElement* sink)
{
    GError* error = nullptr;
    gchar* debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    std::string detail = error ? error->message : "";
    TranscodeFault fault = TranscodeFault::NotAudio;
    int code = 0;
    if (GST_MESSAGE_SRC(message) == GST_OBJECT(sink)) {
        fault = TranscodeFault::Write;
        // fdsink reports the failing write's errno only in its debug text.
        code = error && error->domain == GST_RESOURCE_ERROR &&
                       error->code == GST_RESOURCE_ERROR_NO_SPACE_LEFT
                   ? ENOSPC
                   : EIO;
    }
    g_clear_error(&error);
    g_free(debug);
    return Fail(fault, detail, code);
}

} // namespace

TranscodeResult TranscodeToMp3(const std::string& source, int out, const EncodeSettings& settings,
                               const std::function<void(double)>& progress,
                               const std::atomic<bool>* cancel)
{
    if (!IsSupportedBitrate(settings.bitrateKbps) || !IsSupportedSampleRate(settings.sampleRate))
        return Fail(TranscodeFault::Encoder, "unsupported encoding");
    // The source is opened here, without blocking, and checked; the pipeline then reads this
    // very file through the descriptor's /proc name, so a swapped-in FIFO is never opened.
    const int in = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (in < 0)
        return Fail(TranscodeFault::NotRegular, {}, errno);
    struct InCloser
    {
        int fd;
        ~InCloser() { ::close(fd); }
    } inCloser{in};
    struct stat info = {};
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode))
        return Fail(TranscodeFault::NotRegular);
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return Fail(TranscodeFault::Encoder, "GStreamer cannot start");

    std::unique_ptr<GstElement, Unref> pipeline(gst_pipeline_new("import"));
    GstElement* src = gst_element_factory_make("filesrc", nullptr);
    GstElement* decode = gst_element_factory_make("decodebin", nullptr);
    GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* filter = gst_element_factory_make("capsfilter", nullptr);
    GstElement* encode = gst_element_factory_make("lamemp3enc", nullptr);
    GstElement* sink = gst_element_factory_make("fdsink", nullptr);
    GstElement* all[] = {src, decode, convert, resample, filter, encode, sink};
    if (std::any_of(std::begin(all), std::end(all), [](GstElement* e) { return !e; })) {
        for (GstElement* e : all)
            if (e)
                gst_object_unref(gst_object_ref_sink(e));
        return Fail(TranscodeFault::Encoder, "a GStreamer element is missing");
    }
    gst_bin_add_many(GST_BIN(pipeline.get()), src, decode, convert, resample, filter, encode, sink,
                     nullptr);
    const std::string location = "/proc/self/fd/" + std::to_string(in);
    g_object_set(src, "location", location.c_str(), nullptr);
    GstCaps* caps = gst_caps_new_simple("audio/x-raw", "rate", G_TYPE_INT, settings.sampleRate,
                                        "channels", GST_TYPE_INT_RANGE, 1, 2, nullptr);
    g_object_set(filter, "caps", caps, nullptr);
    gst_caps_unref(caps);
    // target 1 = bitrate; cbr keeps every frame the same size, which the device plays best.
    g_object_set(encode, "target", 1, "bitrate", settings.bitrateKbps, "cbr", TRUE, nullptr);
    g_object_set(sink, "fd", out, "sync", FALSE, nullptr);
    if (!gst_element_link(src, decode) ||
        !gst_element_link_many(convert, resample, filter, encode, sink, nullptr))
        return Fail(TranscodeFault::Encoder, "cannot link the pipeline");
    Link link;
    link.converter = convert;
    g_signal_connect(decode, "pad-added", G_CALLBACK(OnPadAdded), &link);

    std::unique_ptr<GstBus, Unref> bus(gst_element_get_bus(pipeline.get()));
    TranscodeResult result;
    if (gst_element_set_state(pipeline.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        // The error message on the bus says why.
        std::unique_ptr<GstMessage, Unref> message(
            gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR));
        result = message ? FromError(message.get(), sink) : Fail(TranscodeFault::NotAudio);
    } else {
        for (;;) {
            std::unique_ptr<GstMessage, Unref> message(gst_bus_timed_pop_filtered(
                bus.get(), kPoll, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS)));
            if (cancel && cancel->load()) {
                result = Fail(TranscodeFault::Cancelled);
                break;
            }
            if (message && GST_MESSAGE_TYPE(message.get()) == GST_MESSAGE_EOS)
                break;
            if (message) {
                result = FromError(message.get(), sink);
                break;
            }
            gint64 position = 0;
            gint64 duration = 0;
            if (progress && gst_element_query_position(src, GST_FORMAT_BYTES, &position) &&
                gst_element_query_duration(src, GST_FORMAT_BYTES, &duration) && duration > 0)
                progress(std::clamp(double(position) / double(duration), 0.0, 1.0));
        }
    }
    gst_element_set_state(pipeline.get(), GST_STATE_NULL);
    if (result.ok()) {
        // A source with no audio stream ends without a link to the encoder and writes nothing.
        if (!link.linked)
            return Fail(TranscodeFault::NotAudio, "no audio stream");
        if (progress)
            progress(1.0);
    }
    return result;
}

} // namespace cuelist
