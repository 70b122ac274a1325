#include "cuegridmodel.h"

#include "cuedoc.h"
#include "slotrange.h"

CueGridModel::CueGridModel(CCueDoc* doc, QObject* parent) : QAbstractTableModel(parent), m_doc(doc)
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
    default:
        return {};
    }
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
    emit dataChanged(index(0, 1), index(kRowCount - 1, kColumnCount - 1), {Qt::DisplayRole});
}

void CueGridModel::slotsChanged(const SlotRange& range)
{
    if (range.isEmpty())
        return;
    emit dataChanged(index(range.firstChannel - 1, range.firstFrame),
                     index(range.lastChannel - 1, range.lastFrame), {Qt::DisplayRole});
}
