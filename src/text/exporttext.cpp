// SPDX-License-Identifier: GPL-3.0-or-later
#include "exporttext.h"

#include "messages.h"

#include <QCoreApplication>
#include <QLocale>

namespace cuelist::text {

namespace {

// Translation context of the export's texts.
struct ExportText final
{
    Q_DECLARE_TR_FUNCTIONS(ExportText)
};

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString FailureText(const cardexport::ExportReport& report)
{
    if (report.verifyMismatch)
        return ExportText::tr("The copy of %1 on the card differs from the original when read "
                              "back; the card may be faulty.")
            .arg(Utf8(report.failedName));
    const QString reason = FileResultMessage(report.failure, true);
    if (report.failedName.empty())
        return reason;
    return ExportText::tr("Copying %1 failed. %2").arg(Utf8(report.failedName), reason);
}

} // namespace

QString DataSizeText(std::uint64_t bytes)
{
    return QLocale().formattedDataSize(qint64(bytes), 1, QLocale::DataSizeTraditionalFormat);
}

QString ExportProblemText(const cardexport::Problem& problem)
{
    using cardexport::ProblemKind;
    const QString name = Utf8(problem.name);
    const QString path = Utf8(problem.path);
    switch (problem.kind) {
    case ProblemKind::TargetMissing:
        return ExportText::tr("The folder %1 does not exist.").arg(path);
    case ProblemKind::TargetNotFolder:
        return ExportText::tr("%1 is not a folder.").arg(path);
    case ProblemKind::TargetReadOnly:
        return ExportText::tr("The folder %1 is read-only.").arg(path);
    case ProblemKind::TargetIsSource:
        return ExportText::tr("%1 holds the playlist's own data folder; choose the card's folder.")
            .arg(path);
    case ProblemKind::TargetBusy:
        return ExportText::tr("Another export to %1 is running.").arg(path);
    case ProblemKind::CardDataNotFolder:
        return ExportText::tr("%1 on the card is a file, not the data folder.").arg(path);
    case ProblemKind::PlaylistNotWritable:
        return ExportText::tr("The card's playlist cannot be replaced: %1")
            .arg(FileResultMessage(problem.file, true));
    case ProblemKind::FileMissing:
        return ExportText::tr("%1 is not in the data folder.").arg(name);
    case ProblemKind::FileUnreadable:
        return ExportText::tr("%1 cannot be read: %2").arg(name, FileFaultReason(problem.file));
    case ProblemKind::FileTooLarge:
        return ExportText::tr("%1 is %2; a card holds no file of 4 GB or more.")
            .arg(name, DataSizeText(problem.size));
    case ProblemKind::NameNotFat:
        return ExportText::tr("The name \"%1\" holds a character that a card cannot hold.")
            .arg(name);
    case ProblemKind::CaseClash:
        return ExportText::tr("%1 and %2 name different files, but a card cannot tell the names "
                              "apart.")
            .arg(name, Utf8(problem.other));
    case ProblemKind::CardEntryNotFile:
        return ExportText::tr("%1 on the card is not a file and cannot be replaced.").arg(path);
    case ProblemKind::NoSpace:
        return ExportText::tr("The card has %1 free, but the export needs %2.")
            .arg(DataSizeText(problem.available), DataSizeText(problem.size));
    case ProblemKind::ExtraFiles:
        return ExportText::tr("Files in the card's data folder that the playlist does not name: %1")
            .arg(problem.names.size());
    case ProblemKind::StaleTemporaries:
        return ExportText::tr("Temporary files of an interrupted export, to be removed: %1")
            .arg(problem.names.size());
    }
    return {};
}

QStringList ExportPlanLines(const cardexport::ExportPlan& plan)
{
    QStringList lines;
    std::uint64_t bytes = 0;
    int replaced = 0;
    for (const cardexport::PlannedFile& file : plan.files) {
        bytes += file.size;
        replaced += file.replaces ? 1 : 0;
    }
    lines << ExportText::tr("MP3 files to copy to %1: %2 (%3)")
                 .arg(Utf8(plan.cardDataFolder))
                 .arg(plan.files.size())
                 .arg(DataSizeText(bytes));
    if (replaced > 0)
        lines << ExportText::tr("Of these, replacing a file of the same name on the card: %1")
                     .arg(replaced);
    if (!plan.cardPlaylistPath.empty())
        lines << (plan.replacesPlaylist
                      ? ExportText::tr("Replace the playlist %1").arg(Utf8(plan.cardPlaylistPath))
                      : ExportText::tr("Write the playlist %1").arg(Utf8(plan.cardPlaylistPath)));
    if (plan.spaceAvailable > 0)
        lines << ExportText::tr("Space needed: %1 of %2 free")
                     .arg(DataSizeText(plan.spaceNeeded), DataSizeText(plan.spaceAvailable));
    return lines;
}

QStringList ExportReportLines(const cardexport::ExportReport& report)
{
    using cardexport::ExportOutcome;
    QStringList lines;
    switch (report.outcome) {
    case ExportOutcome::Refused:
        lines << ExportText::tr("Nothing was copied:");
        for (const cardexport::Problem& problem : report.refusals)
            lines << ExportProblemText(problem);
        return lines;
    case ExportOutcome::Cancelled:
        lines << ExportText::tr("The export was cancelled. The card's playlist is unchanged and "
                                "no temporary file is left.");
        return lines;
    case ExportOutcome::Failed:
        lines << FailureText(report);
        lines << (report.playlistWritten
                      ? ExportText::tr("The new playlist is on the card.")
                      : ExportText::tr("The card's playlist is unchanged and no temporary file "
                                       "is left."));
        return lines;
    case ExportOutcome::Done:
        break;
    }
    lines << ExportText::tr("MP3 files copied and verified: %1 (%2)")
                 .arg(report.filesCopied)
                 .arg(DataSizeText(report.bytesCopied));
    lines << ExportText::tr("The playlist was written and verified.");
    if (!report.removedExtras.empty())
        lines << ExportText::tr("Files removed that the playlist does not name: %1")
                     .arg(report.removedExtras.size());
    if (!report.keptExtras.empty())
        lines << ExportText::tr("Files kept that the playlist does not name: %1")
                     .arg(report.keptExtras.size());
    if (!report.unremovedExtras.empty())
        lines << ExportText::tr("Could not remove: %1")
                     .arg(Utf8(report.unremovedExtras.front()) +
                          (report.unremovedExtras.size() > 1 ? QStringLiteral(", …") : QString()));
    if (report.staleRemoved > 0)
        lines << ExportText::tr("Temporary files of an interrupted export removed: %1")
                     .arg(report.staleRemoved);
    return lines;
}

} // namespace cuelist::text
