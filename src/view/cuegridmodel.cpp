// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuegridmodel.h"

#include "core/describe.h"
#include "cuedoc.h"
#include "datafolderwatch.h"
#include "durationstore.h"
#include "playlisteditor.h"
#include "slotrange.h"
#include "text/messages.h"

CueGridModel::CueGridModel(const PlaylistEditor* editor, QObject* parent)
    : QAbstractTableModel(parent), m_editor(editor), m_doc(editor ? editor->document() : nullptr)
{
}

int CueGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kRowCount;
}

int CueGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CueGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0)
            return QStringLiteral("%1").arg(index.row() + 1, 4, 10, QLatin1Char('0'));
        return m_doc ? m_doc->cellText(index.column(), index.row() + 1) : QString();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case kMissingRole:
        return index.column() > 0 && m_editor &&
               m_editor->isMissing(index.column(), index.row() + 1);
    case Qt::ToolTipRole:
        if (index.column() > 0)
            return toolTip(index.column(), index.row() + 1);
        return {};
    default:
        return {};
    }
}

QString CueGridModel::toolTip(int frame, int channel) const
{
    if (!m_doc ||
        m_doc->table().RecordAt(frame, channel)[cuelist::record::kType] == cuelist::kTypeEmpty)
        return {};
    QStringList lines{
        m_doc->cellText(frame, channel),
        cuelist::text::DescriptionText(cuelist::DescribeSlot(m_doc->table(), frame, channel))
            .trimmed()};
    if (const QString path = m_editor ? m_editor->filePath(frame, channel) : QString();
        !path.isEmpty()) {
        if (const DurationStore* store = DurationStore::instance()) {
            if (const auto length = store->duration(path))
                lines << tr("Duration: %1").arg(cuelist::text::DurationText(*length));
            if (const auto loudness = store->loudness(path))
                lines << tr("Loudness: %1, true peak %2")
                             .arg(cuelist::text::LoudnessText(loudness->lufs),
                                  cuelist::text::TruePeakText(loudness->truePeakDb));
        }
    } else if (m_editor && m_editor->isMissing(frame, channel)) {
        lines << tr("missing");
        if (const QString note =
                cuelist::text::AmbiguousDataFolderText(m_editor->folderWatch()->spellings());
            !note.isEmpty())
            lines << note;
    }
    return lines.join(QLatin1Char('\n'));
}

QVariant CueGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        if (section == 0)
            return tr("Channel");
        // The spaces around the title fix the width of the phrase columns.
        return tr("     Phrase%1     ").arg(section, 2, 10, QLatin1Char('0'));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

Qt::ItemFlags CueGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void CueGridModel::refresh()
{
    emit dataChanged(index(0, 1), index(kRowCount - 1, kColumnCount - 1),
                     {Qt::DisplayRole, kMissingRole, Qt::ToolTipRole});
}

void CueGridModel::slotsChanged(const SlotRange& range)
{
    if (range.isEmpty())
        return;
    emit dataChanged(index(range.firstChannel - 1, range.firstFrame),
                     index(range.lastChannel - 1, range.lastFrame),
                     {Qt::DisplayRole, kMissingRole, Qt::ToolTipRole});
}
