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
    if (!inv.output.empty() && std::filesystem::equivalent(inv.output, inv.playlist, ec)) {
        console.Report(
            CliText::tr("The output file %1 is the playlist itself.").arg(PathText(inv.output)));
        return kExitUsage;
    }

    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;

    const std::string csv = BuildCsv(loaded.table, text::CsvHeaderLine().toStdString());
    if (!inv.output.empty())
        return WriteOutputFile(inv.output, csv, console) ? kExitOk : kExitUsage;
    console.OutBytes(csv);
    return kExitOk;
}

} // namespace cuelist::cli
