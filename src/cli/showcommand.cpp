#include "commands.h"
#include "core/describe.h"
#include "playlistio.h"
#include "text/messages.h"

namespace cuelist::cli {

int RunShow(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;

    const int first = inv.channel != 0 ? inv.channel : 1;
    const int last = inv.channel != 0 ? inv.channel : kEditableChannelCount;
    for (int channel = first; channel <= last; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            if (loaded.table.RecordAt(frame, channel)[record::kType] == kTypeEmpty)
                continue;
            std::string cell;
            loaded.table.GetSlotText(frame, channel, cell);
            const QString description =
                text::DescriptionText(DescribeSlot(loaded.table, frame, channel));
            console.OutLine(QString::asprintf("%04d\t%02d\t", channel, frame) +
                            text::CellText(cell) + u'\t' + description);
        }
    }
    return kExitOk;
}

} // namespace cuelist::cli
