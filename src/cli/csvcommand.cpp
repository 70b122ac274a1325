// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "core/csv.h"
#include "playlistio.h"
#include "text/messages.h"

#include <filesystem>

namespace cuelist::cli {

int RunCsv(const Invocation& inv, Console& console)
{
    // Refused before anything is read, so that the playlist can never be overwritten by its CSV.
    std::error_code ec;
    const bool toFile = !inv.output.empty() && inv.output != "-";
    if (toFile && std::filesystem::equivalent(inv.output, inv.playlist, ec)) {
        console.Report(
            CliText::tr("The output file %1 is the playlist itself.").arg(PathText(inv.output)));
        return kExitUsage;
    }

    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;
    NoteRemoved(loaded, console);

    const std::string csv = BuildCsv(loaded.table, text::CsvHeaderLine().toStdString());
    return WriteOutputFile(inv.output, csv, console) ? kExitOk : kExitUsage;
}

} // namespace cuelist::cli
