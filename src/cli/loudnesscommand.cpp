// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "core/names.h"
#include "core/playtime.h"
#include "playlistio.h"
#include "text/messages.h"

namespace cuelist::cli {

int RunLoudness(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;
    NoteRemoved(loaded, console);
    const PlaylistLoudness loudness = ReadLoudness(inv.playlist, loaded.table);

    // channel TAB frame TAB file TAB loudness TAB true peak TAB volume TAB loudness as heard
    const int first = inv.channel != 0 ? inv.channel : 1;
    const int last = inv.channel != 0 ? inv.channel : kEditableChannelCount;
    for (int channel = first; channel <= last; ++channel) {
        for (int frame = 1; frame <= kFrameCount; ++frame) {
            const SlotRecord& record = loaded.table.RecordAt(frame, channel);
            const std::string name = Mp3CellName(record);
            if (name.empty())
                continue;
            const int attenuation = record[record::kVolume];
            QString line =
                QString::asprintf("%04d\t%02d\t", channel, frame) + text::CellText(name) + u'\t';
            const auto value = loudness.at(name);
            if (value)
                line +=
                    text::LoudnessText(value->lufs) + u'\t' + text::TruePeakText(value->truePeakDb);
            else
                line += QStringLiteral("?\t?");
            line += QString::asprintf("\t%d dB\t", -attenuation);
            line += value ? text::LoudnessText(value->lufs - attenuation) : QStringLiteral("?");
            console.OutLine(line);
        }
    }
    return kExitOk;
}

} // namespace cuelist::cli
