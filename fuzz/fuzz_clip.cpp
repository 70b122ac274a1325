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
    std::vector<std::uint8_t> clip(data + 2, data + size);
    RepairClip(clip);

    static SlotTable table;
    table.ClearAllSlots();
    const bool pasted = ClassifyClip(clip) == ClipKind::Channel
                            ? PasteChannelClip(table, channel, clip)
                            : PastePhraseClip(table, frame, channel, clip);
    if (pasted && (channel < 1 || channel > kEditableChannelCount))
        std::abort(); // nothing lands outside the editable channels
    // Whatever was pasted is what a loaded file may hold: the load repair finds nothing.
    if (!RepairAfterLoad(table).empty())
        std::abort();
    const PrecheckResult after = ScanImage(BuildImage(table));
    if (after.unknownType || after.unknownChannel)
        std::abort();
    return 0;
}
