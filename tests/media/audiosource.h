// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gst/gst.h>
#include <string>

// Writes a 997 Hz sine of the given amplitude (0..1) through the encoder part of a GStreamer
// description ("wavenc", "flacenc", "vorbisenc ! oggmux", "lamemp3enc"), at the rate and
// channel count given. False when the pipeline cannot be built or fails.
inline bool WriteTone(const std::string& path, const std::string& encoder, double amplitude,
                      int milliseconds, int rate = 44100, int channels = 1)
{
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    const int buffers = milliseconds / 10;
    const std::string description =
        "audiotestsrc wave=sine freq=997 volume=" + std::to_string(amplitude) +
        " samplesperbuffer=" + std::to_string(rate / 100) +
        " num-buffers=" + std::to_string(buffers) +
        " ! audio/x-raw,format=S16LE,rate=" + std::to_string(rate) +
        ",channels=" + std::to_string(channels) + " ! audioconvert ! " + encoder +
        " ! filesink name=out";
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    g_clear_error(&error);
    if (!pipeline)
        return false;
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    g_object_set(sink, "location", path.c_str(), nullptr);
    gst_object_unref(sink);
    bool ok = gst_element_set_state(pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    if (ok) {
        GstBus* bus = gst_element_get_bus(pipeline);
        GstMessage* message = gst_bus_timed_pop_filtered(
            bus, 60 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
        if (message)
            gst_message_unref(message);
        gst_object_unref(bus);
    }
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}
