// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/encodesettings.h"

#include <atomic>
#include <functional>
#include <string>

namespace cuelist {

enum class TranscodeFault {
    None,
    NotRegular, // missing, or not a regular file (a FIFO, device, folder)
    NotAudio,   // nothing GStreamer can decode into audio, or a decoding error
    Write,      // the output could not be written; error holds errno when known
    Encoder,    // the MP3 encoder or another element is not installed
    Cancelled,
};
struct TranscodeResult
{
    TranscodeFault fault = TranscodeFault::None;
    int error = 0;      // errno for Write
    std::string detail; // GStreamer's own message, for the curious
    bool ok() const { return fault == TranscodeFault::None; }
};

// Decodes any audio GStreamer can read and writes it as MP3 to the open descriptor out
// (which stays open and is neither synced nor closed here). progress gets 0..1 as the
// source is read (called on the caller's thread, roughly ten times a second); cancel is
// polled as often. The source is opened without blocking and must be a regular file.
TranscodeResult TranscodeToMp3(const std::string& source, int out, const EncodeSettings& settings,
                               const std::function<void(double)>& progress = {},
                               const std::atomic<bool>* cancel = nullptr);

} // namespace cuelist
