// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardexport/exportrun.h"
#include "clitext.h"
#include "commands.h"
#include "core/datafolder.h"
#include "interrupt.h"
#include "playlistio.h"
#include "text/exporttext.h"

#include <filesystem>
#include <unistd.h>

namespace cuelist::cli {

namespace {

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void PrintPlan(const cardexport::ExportPlan& plan, Console& console)
{
    if (!plan.target.empty())
        for (const QString& line : text::ExportPlanLines(plan))
            console.OutLine(line);
    for (const cardexport::Problem& problem : plan.problems) {
        console.OutLine(
            (problem.blocksExport() ? CliText::tr("Problem: %1") : CliText::tr("Note: %1"))
                .arg(text::ExportProblemText(problem)));
        for (const std::string& name : problem.names)
            console.OutLine(QStringLiteral("  ") + Utf8(name));
    }
}

} // namespace

int RunExport(const Invocation& inv, Console& console)
{
    LoadedPlaylist loaded;
    if (!LoadPlaylist(inv.playlist, IfMissing::Fail, console, loaded))
        return kExitUsage;
    NoteRemoved(loaded, console);

    std::error_code ec;
    std::filesystem::path playlist = std::filesystem::absolute(inv.playlist, ec);
    if (ec)
        playlist = inv.playlist;
    cardexport::ExportSource source{loaded.table, playlist.filename().string(),
                                    DataFolderPathFor(playlist.string())};
    const cardexport::ExportPlan plan = cardexport::PlanExport(source, inv.target);
    PrintPlan(plan, console);
    if (!plan.extras.empty() && inv.extras == ExtrasChoice::Unset)
        console.OutLine(CliText::tr("Those files are kept; give --remove-extra to remove them."));
    if (inv.dryRun)
        return plan.blocked() ? kExitRefused : kExitOk;
    if (plan.blocked()) {
        console.Report(CliText::tr("Nothing was copied."));
        return kExitRefused;
    }

    const InterruptAsCancel interrupts;
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    int shownPercent = -1;
    const auto progress = [&](std::uint64_t done, std::uint64_t total, const std::string&) {
        if (showProgress && total > 0) {
            const int percent = int(done * 100 / total);
            if (percent != shownPercent) {
                shownPercent = percent;
                std::fprintf(stderr, "\r%3d%%", percent);
                std::fflush(stderr);
            }
        }
        return !interrupts.interrupted();
    };
    const cardexport::ExportReport report =
        cardexport::RunExport(plan, source.table,
                              inv.extras == ExtrasChoice::Remove ? cardexport::ExtraFiles::Remove
                                                                 : cardexport::ExtraFiles::Keep,
                              progress);
    if (showProgress)
        std::fputs("\r    \r", stderr);

    const QStringList lines = text::ExportReportLines(report);
    switch (report.outcome) {
    case cardexport::ExportOutcome::Done:
        for (const QString& line : lines)
            console.OutLine(line);
        return kExitOk;
    case cardexport::ExportOutcome::Refused:
        for (const QString& line : lines)
            console.Report(line);
        return kExitRefused;
    case cardexport::ExportOutcome::Cancelled:
        for (const QString& line : lines)
            console.Report(line);
        return kExitCancelled;
    case cardexport::ExportOutcome::Failed:
        break;
    }
    for (const QString& line : lines)
        console.Report(line);
    return kExitFailed;
}

} // namespace cuelist::cli
