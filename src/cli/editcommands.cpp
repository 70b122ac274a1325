#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "core/names.h"
#include "playlistio.h"
#include "text/messages.h"

namespace cuelist::cli {

namespace {

// Like the editor's save, a write only goes to a name with the playlist extension, so that
// a mistyped argument can never turn an MP3 or another file into a playlist.
bool IsPlaylistName(const Invocation& inv, Console& console)
{
    if (HasPlaylistExtension(inv.playlist))
        return true;
    console.Report(
        CliText::tr("%1 is not a playlist file name (.slp).").arg(PathText(inv.playlist)));
    return false;
}

} // namespace

int RunSet(const Invocation& inv, Console& console)
{
    if (!IsPlaylistName(inv, console))
        return kExitUsage;
    if (CheckSlotFileName(inv.name).blank) {
        console.Report(
            CliText::tr("The file name is blank; use \"cuelist clear\" to empty a slot."));
        return kExitUsage;
    }

    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::StartEmpty, console, loaded))
        return kExitUsage;

    SlotTable& table = loaded.table;
    NameResult refusal = kNameAccepted;
    if (const SlotResult result = table.SetSlotFile(inv.frame, inv.channel, inv.name, &refusal);
        result != kSlotDone) {
        console.Report(result == kSlotNameRefused ? text::NameResultMessage(refusal)
                                                  : text::RangeResultMessage(result));
        return kExitRefused;
    }
    if (inv.attenuation)
        table.SetSlotVolumeOrSpeed(inv.frame, inv.channel, std::uint8_t(*inv.attenuation));
    if (inv.repeat)
        table.SetSlotRepeat(inv.frame, inv.channel, std::uint8_t(*inv.repeat));
    if (inv.interval)
        table.SetSlotInterval(inv.frame, inv.channel, std::uint16_t(*inv.interval));

    return SavePlaylist(inv.playlist, table, console) ? kExitOk : kExitUsage;
}

int RunClear(const Invocation& inv, Console& console)
{
    if (!IsPlaylistName(inv, console))
        return kExitUsage;
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;

    const int first = inv.frame != 0 ? inv.frame : 1;
    const int last = inv.frame != 0 ? inv.frame : kFrameCount;
    for (int frame = first; frame <= last; ++frame)
        loaded.table.SetSlotFile(frame, inv.channel, " ");

    return SavePlaylist(inv.playlist, loaded.table, console) ? kExitOk : kExitUsage;
}

} // namespace cuelist::cli
