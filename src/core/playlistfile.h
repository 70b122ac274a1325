// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "slottable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace cuelist {

// A record that the load repair emptied.
struct RemovedRecord
{
    int channel = 0;
    int frame = 0;
    std::uint8_t type = 0; // the type byte it had
};

// What the open pre-check found in a file image.
struct PrecheckResult
{
    bool unknownType = false;    // channels 1..127: a type other than 0 and 1
    bool unknownChannel = false; // channels 128..1023: any non-empty type
};

// Copies up to kImageSize bytes of an image of any size over the start of the table;
// records beyond a short image keep their content.
void ReadImage(SlotTable& table, std::span<const std::uint8_t> image);

// The exact file image, kImageSize bytes.
std::vector<std::uint8_t> BuildImage(const SlotTable& table);

// Scans up to kImageSize bytes of an image of any size (a short image counts as empty).
PrecheckResult ScanImage(std::span<const std::uint8_t> image);

// The load repair of one record on the given channel: empties a record the editor cannot
// use there and resets both tone levels of an MP3 record to 15. True when it emptied it.
bool RepairRecord(SlotRecord& r, int channel);

// Empties what the editor cannot use and resets both tone levels of MP3 slots to 15.
// Returns the records it emptied, in channel then frame order.
std::vector<RemovedRecord> RepairAfterLoad(SlotTable& table);

} // namespace cuelist
