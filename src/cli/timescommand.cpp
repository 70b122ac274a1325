// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "escape.h"
#include "playlistio.h"
#include "text/messages.h"

namespace cuelist::cli {

int RunTimes(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;
    NoteRemoved(loaded, console);

    const PlaylistDurations durations = ReadDurations(inv.playlist, loaded.table);

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
                            Escaped(text::CellText(name)) + u'\t' +
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
