#pragma once

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

    explicit CueGridModel(CCueDoc* doc, QObject* parent = nullptr);
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
    QPointer<CCueDoc> m_doc; // not owned
};
