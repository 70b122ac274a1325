// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridsizer.h"
#include "playlisteditor.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTableView>

class CCueDoc;
class CueGridModel;
class SlotDragController;

// The grid of one playlist: 127 channel rows by the Channel column and 16 phrase columns,
// with a cell cursor whose row is the table's current, selected row. It paints, takes the
// keys, the mouse and drops, shows the drag feedback and does the type-ahead; where the
// cursor stands it tells its editor, which runs every flow. GUI thread only.
class CCueView final : public QTableView
{
    Q_OBJECT
public:
    static constexpr int kLastColumn = 16;

    // The editor is not owned; it outlives the view in the child frame.
    CCueView(PlaylistEditor* editor, QWidget* parent);
    ~CCueView() override;
    Q_DISABLE_COPY_MOVE(CCueView)

    PlaylistEditor* editor() const { return m_editor; }
    CCueDoc* document() const;

    // Sets the grid font, row height and column widths, then fills the texts.
    void OnInitialUpdate();
    // The zoom and the column widths; owned by the view.
    GridSizer* sizer() const { return m_sizer; }

    // Puts the editor's cursor on the column of the current row and describes the slot.
    void ShowSlotDescription(int column);
    // Scrolls sideways so that the column is fully visible, its left edge at the left edge
    // of the viewport when it was not.
    void EnsureColumnVisible(int column);
    // Schedules a repaint of one row; nothing for -1.
    void RedrawRow(int row);
    // Puts the cell cursor on (column, row) and describes the slot there.
    void moveCursorTo(int column, int row);
    // The popup menu for a press on (column, row); row -1 lies below the last row.
    void ShowContextMenu(int column, int row);

    int cursorColumn() const;
    // The channel of the current row; 0 while there is none.
    int activeChannel() const;
    // The current row while it is selected and the grid has the focus.
    bool isCursorRow(int row) const;

    // The cell under a viewport point, kept at every pointer movement: x is the column (0 the
    // Channel column, 1..16 the frames, 17 right of the last column, -1 left of the first),
    // y the 0-based row. Both are -1 over no row.
    QPoint updateHoverCell(const QPoint& viewportPos);
    QPoint hoverCell() const { return m_hoverCell; }

    bool isDraggingSlot() const;
    // The image that follows the pointer: the dragged cell's text; null on the Channel column.
    QPixmap BuildDragImage(int row) const;

    // Row movement only: the table never scrolls sideways to follow the current index.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // Type-ahead: digits typed in quick succession name a channel ("7", "07" or "0007"), and
    // the cursor moves to its row; other characters are ignored.
    void keyboardSearch(const QString& search) override;

protected:
    // Drags from the file manager, over the cells, headers and scroll bars; focus changes.
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void moveCursorColumn(int step);
    void handlePress(QMouseEvent* event, bool right);
    // Files from the file manager: the hover cell followed, the drop handed to the editor.
    bool handleFileDrag(QDropEvent* drop, const QPoint& viewportPos);
    // Fonts, row height and column widths from the sizer's scale; keeps the cursor cell in view.
    void applyScale();

    QPointer<PlaylistEditor> m_editor; // not owned
    CueGridModel* m_model = nullptr;   // owned by this view (QObject child)
    QString m_typedDigits;
    qint64 m_lastTypedMs = 0;
    GridSizer* m_sizer;   // owned (QObject child)
    int m_wheelAngle = 0; // Ctrl+wheel turned but not yet a whole step
    QPoint m_hoverCell{-1, -1};
    SlotDragController* m_drag; // owned (QObject child)
};
