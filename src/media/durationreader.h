// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cuelist {

// Reads the play length of audio files with GStreamer's discoverer. One reader serves one
// thread at a time; readers on different threads run side by side.
class DurationReader final
{
public:
    DurationReader();
    ~DurationReader();
    DurationReader(const DurationReader&) = delete;
    DurationReader& operator=(const DurationReader&) = delete;

    // The length in milliseconds, or none when the file cannot be read as audio (missing,
    // not a media file, a FIFO or device, or no length in its headers).
    std::optional<std::int64_t> Read(const std::string& path);

private:
    struct Impl;
    Impl* m_impl = nullptr;
};

} // namespace cuelist
