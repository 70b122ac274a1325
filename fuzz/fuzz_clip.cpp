// SPDX-License-Identifier: GPL-3.0-or-later
// Pastes arbitrary bytes as a clip from the clipboard, onto a slot and onto a channel.
#include "core/clip.h"
#include "core/playlistfile.h"

#include <cstdlib>

using namespace cuelist;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int channel = 1 + data[0] % (kEditableChannelCount + 2) - 1; // 0..128
    const int frame = data[1] % (kFrameCount + 2);                     // 0..17
    const std::vector<std::uint8_t> clip(data + 2, data + size);

    static SlotTable table; // only the target channel is ever written and checked
    const int target = channel >= 1 && channel <= kEditableChannelCount ? channel : 1;
    for (int f = 1; f <= kFrameCount; ++f)
        table.RecordAt(f, target) = EmptyRecord();
    const bool pasted = ClassifyClip(clip) == ClipKind::Channel
                            ? PasteChannelClip(table, channel, clip)
                            : PastePhraseClip(table, frame, channel, clip);
    if (pasted && (channel < 1 || channel > kEditableChannelCount))
        std::abort(); // nothing lands outside the editable channels
    // Whatever was pasted is what a loaded file may hold: the load repair would keep it as it is.
    for (int f = 1; f <= kFrameCount; ++f) {
        SlotRecord r = table.RecordAt(f, target);
        if (RepairRecord(r, target) || r != table.RecordAt(f, target))
            std::abort();
    }
    return 0;
}
