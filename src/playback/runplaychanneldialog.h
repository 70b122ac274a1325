// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/playtime.h"
#include "core/slotrecord.h"

#include <array>
#include <string>

class QWidget;

// The Play Channel command: previews one channel (1..127) in a modal dialog, given the
// channel's records in frame order and the data folder in file-system bytes, ending in "/".
// Does nothing for any other channel. Enabling the command is the caller's part.
// The dialog shows the time played against the channel's play time `total`.
void RunPlayChannelDialog(QWidget* parent, const std::string& dataFolder, int channel,
                          const std::array<cuelist::SlotRecord, cuelist::kFrameCount>& records,
                          const cuelist::ChannelPlayTime& total = {});
