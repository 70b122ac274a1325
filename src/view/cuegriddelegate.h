// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class CCueView;

// Paints the grid's cells from the view's cursor state: ordinary rows in the base colours,
// the cursor row highlighted with its cursor cell in red, texts fitted with "...".
class CueGridDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The view is not owned; it owns this delegate.
    CueGridDelegate(CCueView* view, QObject* parent);
    Q_DISABLE_COPY_MOVE(CueGridDelegate)

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    static QColor cursorCellColor() { return QColor(192, 0, 0); }
    // Pixels of a cell's width that its text never takes, at actual size.
    static constexpr int kTextMargins = 8;
    // Pixels the mark of a missing file takes before the name, at actual size.
    static constexpr int kMarkSpace = 20;

private:
    void drawCellCursor(QPainter* painter, const QStyleOptionViewItem& option) const;
    // The mark of a file missing from the data folder.
    void drawMissingMark(QPainter* painter, const QRect& rect) const;

    CCueView* m_view;
};
