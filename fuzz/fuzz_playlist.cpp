// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a playlist file and runs everything that reads the table.
#include "core/csv.h"
#include "core/describe.h"
#include "core/playlistfile.h"

#include <cstdlib>

using namespace cuelist;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> image(data, size);
    const PrecheckResult pre = ScanImage(image);
    static SlotTable table; // reused: a fresh table is cleared, not rebuilt
    table.ClearAllSlots();
    ReadImage(table, image);
    const std::vector<RemovedRecord> removed = RepairAfterLoad(table);
    if (!removed.empty() && !pre.unknownType && !pre.unknownChannel)
        std::abort(); // the pre-check must announce every record the repair removes
    const std::vector<std::uint8_t> written = BuildImage(table);
    const PrecheckResult after = ScanImage(written);
    if (written.size() != kImageSize || after.unknownType || after.unknownChannel)
        std::abort(); // a repaired table holds nothing the editor would question
    const std::string csv = BuildCsv(table, "Channel");
    if (csv.empty())
        std::abort();
    for (int channel = 0; channel <= kEditableChannelCount + 1; ++channel)
        for (int frame = 0; frame <= kFrameCount + 1; ++frame)
            DescribeSlot(table, frame, channel);
    return 0;
}
