// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Encodes a sine tone of the given length into an MP3 file with GStreamer's lamemp3enc, with
// a Xing header in front when asked; rate and channels of the tone as given. Returns false
// when the pipeline cannot be built or fails.
bool WriteToneMp3(const std::string& path, int milliseconds, bool xing = false, int rate = 44100,
                  int channels = 1);
