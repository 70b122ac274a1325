// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class CCueView;
class QLabel;
class QMouseEvent;
class QTimer;

// Moving a slot by dragging its cell with the left button: the image that follows the
// pointer, scrolling while the pointer rests near the top or bottom edge, and the move at
// the release (one edit of the document). Any key, another button or a lost focus ends the
// drag without moving anything. Owned by its view (QObject child); GUI thread only.
class SlotDragController final : public QObject
{
    Q_OBJECT
public:
    explicit SlotDragController(CCueView* view);
    ~SlotDragController() override;
    Q_DISABLE_COPY_MOVE(SlotDragController)

    bool isDragging() const { return m_started; }
    // A left press at a viewport point on the cell (x: column, y: row) it picked.
    void press(const QPoint& point, const QPoint& cell);
    // Every pointer movement: begins the drag once the pointer has moved far enough.
    void move(QMouseEvent* event);
    // A left release at a viewport point; false when no drag was running.
    bool release(const QPoint& point);
    // Ends a running drag; nothing moves.
    void cancel();

private:
    void begin(const QPoint& point);
    void drop(int column, int row);
    void onScrollTimer();

    CCueView* m_view;     // the owner
    bool m_armed = false; // a left press on a row that may begin a drag
    bool m_started = false;
    QPoint m_pressPoint;
    QPoint m_pressedCell;
    QPoint m_lastPoint;
    QLabel* m_image = nullptr; // child of the viewport while a drag runs
    QTimer* m_scrollTimer;     // owned (QObject child)
    QObject* m_keyWatcher;     // owned (QObject child), installed on the view while dragging
};
