// SPDX-License-Identifier: GPL-3.0-or-later
#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "playlistio.h"
#include "sheet/sheetcontent.h"
#include "sheet/sheetpainter.h"
#include "sheet/sheetpdf.h"

#include <filesystem>
#include <QFile>
#include <QGuiApplication>

namespace cuelist::cli {

int RunSheet(const Invocation& inv, Console& console)
{
    // Refused before anything is read, so that the playlist can never be overwritten.
    std::error_code ec;
    const bool toFile = inv.output != "-";
    if (toFile && std::filesystem::equivalent(inv.output, inv.playlist, ec)) {
        console.Report(
            CliText::tr("The output file %1 is the playlist itself.").arg(PathText(inv.output)));
        return kExitUsage;
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        console.Report(CliText::tr("Cannot lay out the sheet: no fonts available."));
        return kExitUsage;
    }

    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;
    NoteRemoved(loaded, console);

    std::filesystem::path playlist = std::filesystem::absolute(inv.playlist, ec);
    if (ec)
        playlist = inv.playlist;
    const PlaylistDurations durations = ReadDurations(inv.playlist, loaded.table);
    sheet::SheetSource source = sheet::SourceForPlaylistFile(
        loaded.table, QFile::decodeName(playlist.string().c_str()),
        QFile::decodeName(DataFolderPathFor(playlist.string()).c_str()));
    source.durationOf = LookupIn(durations);

    const QPageSize paper = inv.paper == "letter" ? QPageSize(QPageSize::Letter)
                            : inv.paper == "a4"   ? QPageSize(QPageSize::A4)
                                                  : sheet::DefaultPaper();
    const QByteArray pdf = sheet::SheetPdf(sheet::BuildSheetContent(source), paper);
    if (pdf.isEmpty()) {
        console.Report(CliText::tr("Cannot lay out the sheet."));
        return kExitUsage;
    }
    return WriteOutputFile(inv.output, {pdf.constData(), std::size_t(pdf.size())}, console)
               ? kExitOk
               : kExitUsage;
}

} // namespace cuelist::cli
