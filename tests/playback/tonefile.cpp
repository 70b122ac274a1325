// SPDX-License-Identifier: GPL-3.0-or-later
#include "tonefile.h"

#include <gst/gst.h>

bool WriteToneMp3(const std::string& path, int milliseconds, bool xing, int rate, int channels)
{
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    // One buffer per 10 ms.
    const std::string description = "audiotestsrc samplesperbuffer=" + std::to_string(rate / 100) +
                                    " num-buffers=" + std::to_string(milliseconds / 10) +
                                    " ! audio/x-raw,rate=" + std::to_string(rate) +
                                    ",channels=" + std::to_string(channels) + " ! lamemp3enc ! " +
                                    (xing ? "xingmux ! " : "") + "filesink name=out";
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    if (!pipeline) {
        g_clear_error(&error);
        return false;
    }
    g_clear_error(&error);
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    if (!sink) {
        gst_object_unref(pipeline);
        return false;
    }
    g_object_set(sink, "location", path.c_str(), nullptr);
    gst_object_unref(sink);

    bool ok = gst_element_set_state(pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    if (ok) {
        GstBus* bus = gst_element_get_bus(pipeline);
        const auto types = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);
        GstMessage* message = gst_bus_timed_pop_filtered(bus, 30 * GST_SECOND, types);
        ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
        if (message)
            gst_message_unref(message);
        gst_object_unref(bus);
    }
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}
