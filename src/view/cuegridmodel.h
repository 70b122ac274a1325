// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playlisteditor.h"

#include <QAbstractTableModel>
#include <QPointer>

class CCueDoc;
struct SlotRange;

// The grid's table model: 127 channel rows by the Channel column and 16 phrase columns,
// every text read from the document when asked. Holds no slot data of its own.
class CueGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kRowCount = 127;
    static constexpr int kColumnCount = 17;
    // True for a phrase cell naming an MP3 file the data folder does not hold.
    static constexpr int kMissingRole = Qt::UserRole + 1;

    // The editor (not owned) gives the document and tells which files exist.
    CueGridModel(const PlaylistEditor* editor, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(CueGridModel)

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views that every cell text may have changed.
    void refresh();
    // Tells the views that the texts of the slots in range may have changed.
    void slotsChanged(const SlotRange& range);

private:
    QString toolTip(int frame, int channel) const;

    QPointer<const PlaylistEditor> m_editor; // not owned
    QPointer<CCueDoc> m_doc;                 // not owned
};
