// SPDX-License-Identifier: GPL-3.0-or-later
#include "durationreader.h"

#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>
#include <sys/stat.h>

namespace cuelist {

namespace {
constexpr GstClockTime kTimeout = 5 * GST_SECOND;
} // namespace

struct DurationReader::Impl
{
    GstDiscoverer* discoverer = nullptr;
};

DurationReader::DurationReader() : m_impl(new Impl)
{
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return;
    GError* error = nullptr;
    m_impl->discoverer = gst_discoverer_new(kTimeout, &error);
    g_clear_error(&error);
}

DurationReader::~DurationReader()
{
    if (m_impl->discoverer)
        g_object_unref(m_impl->discoverer);
    delete m_impl;
}

std::optional<std::int64_t> DurationReader::Read(const std::string& path)
{
    // Only regular files: a FIFO or a device node would block or never end.
    struct stat info = {};
    if (!m_impl->discoverer || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    GError* error = nullptr;
    gchar* uri = gst_filename_to_uri(path.c_str(), &error);
    g_clear_error(&error);
    if (!uri)
        return std::nullopt;
    GstDiscovererInfo* found = gst_discoverer_discover_uri(m_impl->discoverer, uri, &error);
    g_free(uri);
    g_clear_error(&error);
    std::optional<std::int64_t> length;
    if (found) {
        const GstClockTime duration = gst_discoverer_info_get_duration(found);
        if (gst_discoverer_info_get_result(found) == GST_DISCOVERER_OK &&
            GST_CLOCK_TIME_IS_VALID(duration))
            length = std::int64_t(duration / GST_MSECOND);
        gst_discoverer_info_unref(found);
    }
    return length;
}

} // namespace cuelist
