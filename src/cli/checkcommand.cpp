// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "escape.h"
#include "playlistio.h"
#include "text/messages.h"

#include <filesystem>

namespace cuelist::cli {

int RunCheck(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;

    // Findings go to standard output only, once each.
    const QStringList findings = LoadFindings(loaded);
    for (const QString& line : findings)
        console.OutLine(line);

    std::error_code ec;
    std::filesystem::path playlist = std::filesystem::absolute(inv.playlist, ec);
    if (ec)
        playlist = inv.playlist;
    const std::string dataFolder = DataFolderPathFor(playlist.string());
    const DataFolderListing folder(dataFolder);
    if (const QString note = text::AmbiguousDataFolderText(DataFolderSpellings(dataFolder));
        !note.isEmpty())
        console.OutLine(note);
    const std::vector<std::string> missing = MissingFiles(loaded.table, folder);
    for (const std::string& name : missing) // UTF-8 already
        console.OutLine(
            CliText::tr("Not in the data folder: %1").arg(Escaped(QString::fromStdString(name))));

    const QString total = text::TotalDataSizeSuffix(TotalDataSizeKb(loaded.table, folder));
    qsizetype start = 0;
    while (start < total.size() && total[start].isSpace())
        ++start;
    console.OutLine(total.mid(start));

    return findings.empty() && missing.empty() ? kExitOk : kExitRefused;
}

} // namespace cuelist::cli
