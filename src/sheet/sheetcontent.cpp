// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetcontent.h"

#include "text/messages.h"

#include <QDir>

namespace cuelist::sheet {

namespace {

QString SettingsText(const SlotRecord& record)
{
    const int repeat = record[record::kRepeat];
    const QString repeatText =
        repeat == kEndlessRepeat ? QStringLiteral("\u221e") : QString::number(repeat);
    return SheetText::tr("Repeat %1 / Vol. %2 dB")
        .arg(repeatText)
        .arg(-int(record[record::kVolume]));
}

SheetCell CellOf(const SheetSource& source, int frame, int channel, bool& anyLoudness)
{
    SheetCell cell;
    cell.frame = QStringLiteral("%1").arg(frame, 2, 10, QLatin1Char('0'));
    const SlotTable& table = *source.table;
    const SlotType type = table.TypeAt(frame, channel);
    if (type == kTypeEmpty)
        return cell;
    cell.used = true;
    std::string text;
    table.GetSlotText(frame, channel, text);
    cell.name = text::CellText(text).trimmed();
    if (type != kTypeMp3)
        return cell;

    const SlotRecord& record = table.RecordAt(frame, channel);
    const std::string cellName = Mp3CellName(record);
    cell.settings = SettingsText(record);
    cell.missing =
        source.dataFolderKnown && source.missing.count(text::CellText(cellName).toStdString()) != 0;
    if (cell.missing) {
        cell.timing = SheetText::tr("Int. %1 s / missing").arg(RecordInterval(record));
    } else {
        QString length = QStringLiteral("?");
        if (source.durationOf)
            if (const auto ms = source.durationOf(cellName); ms && *ms != kUnplayable)
                length = text::DurationText(*ms);
        cell.timing = SheetText::tr("Int. %1 s / Len. %2").arg(RecordInterval(record)).arg(length);
    }
    if (source.loudnessOf && !cell.missing)
        if (const auto lufs = source.loudnessOf(frame, channel)) {
            cell.loudness = SheetText::tr("%1 LUFS").arg(*lufs, 0, 'f', 1);
            anyLoudness = true;
        }
    return cell;
}

QString DetailsText(const SheetSource& source, std::size_t channels)
{
    QStringList parts;
    if (source.lastSaved)
        parts << SheetText::tr("Saved %1")
                     .arg(source.lastSaved->toLocalTime().toString(
                         QStringLiteral("yyyy-MM-dd HH:mm")));
    else
        parts << SheetText::tr("Not saved yet");
    if (source.unsavedChanges)
        parts.last() += SheetText::tr(" (with unsaved changes)");
    if (source.totalKb)
        parts << text::TotalDataSizeSuffix(*source.totalKb).trimmed();
    parts << SheetText::tr("Channels in use: %1").arg(channels);
    return parts.join(QStringLiteral("   \u00b7   "));
}

} // namespace

SheetContent BuildSheetContent(const SheetSource& source)
{
    SheetContent content;
    content.title = source.title;
    content.path = source.playlistPath.isEmpty() ? SheetText::tr("(not saved)")
                                                 : QDir::toNativeSeparators(source.playlistPath);
    if (source.table) {
        for (int channel = 1; channel <= kEditableChannelCount; ++channel) {
            if (!source.table->ChannelHasSlots(channel))
                continue;
            SheetRow row;
            row.channel = channel;
            row.number = QStringLiteral("%1").arg(channel, 4, 10, QLatin1Char('0'));
            // The stop goes on a line of its own: the long text would not fit the column.
            ChannelPlayTime time = ChannelPlayTimeOf(*source.table, channel, source.durationOf);
            row.stopFrame = time.stopFrame;
            time.stopFrame = 0;
            row.playTime = text::PlayTimeText(time);
            for (int frame = 1; frame <= kFrameCount; ++frame) {
                SheetCell& cell = row.cells[std::size_t(frame - 1)];
                cell = CellOf(source, frame, channel, content.hasLoudness);
                if (cell.used)
                    (frame <= kFrameCount / 2 ? row.firstBand : row.secondBand) = true;
            }
            content.rows.push_back(std::move(row));
        }
    }
    content.details = DetailsText(source, content.rows.size());
    content.legend = SheetText::tr(
        "Repeat: times repeated (\u221e: without end)   Vol.: volume   Int.: interval of "
        "silence   Len.: length of the file   Play time: the channel played through once "
        "(\u2265: some lengths not known)");
    return content;
}

} // namespace cuelist::sheet
