#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "media/playlistdurations.h"
#include "playlistio.h"
#include "text/messages.h"

#include <filesystem>

namespace cuelist::cli {

int RunTimes(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;

    std::error_code ec;
    std::filesystem::path playlist = std::filesystem::absolute(inv.playlist, ec);
    if (ec)
        playlist = inv.playlist;
    // The editor's cache: lengths it measured are known here at once, and the other way round.
    DurationCache cache(DurationCache::DefaultFile());
    cache.Load();
    const PlaylistDurations durations =
        ReadPlaylistDurations(loaded.table, DataFolderPathFor(playlist.string()), cache);
    cache.Save(); // a cache that cannot be written only costs time next run

    // channel TAB frame TAB file TAB length, then channel TAB "Play time" TAB TAB total.
    const int first = inv.channel != 0 ? inv.channel : 1;
    const int last = inv.channel != 0 ? inv.channel : kEditableChannelCount;
    for (int channel = first; channel <= last; ++channel) {
        if (!loaded.table.ChannelHasSlots(channel))
            continue;
        bool any = false;
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            const std::string name = Mp3CellName(loaded.table.RecordAt(frame, channel));
            if (name.empty())
                continue;
            any = true;
            const auto length = durations.at(name);
            console.OutLine(QString::asprintf("%04d\t%02d\t", channel, frame) +
                            text::CellText(name) + u'\t' +
                            (length ? text::DurationText(*length) : QStringLiteral("?")));
        }
        if (any)
            console.OutLine(
                QString::asprintf("%04d\t", channel) + CliText::tr("Play time") +
                QStringLiteral("\t\t") +
                text::PlayTimeText(ChannelPlayTimeOf(loaded.table, channel, LookupIn(durations))));
    }
    return kExitOk;
}

} // namespace cuelist::cli
