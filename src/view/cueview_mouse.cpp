// SPDX-License-Identifier: GPL-3.0-or-later
#include "cueview.h"
#include "playlisteditor.h"
#include "slotdragcontroller.h"

#include <QHeaderView>
#include <QMouseEvent>

void CCueView::mousePressEvent(QMouseEvent* event)
{
    // Another button during a slot drag ends the drag; nothing moves.
    if (m_drag->isDragging() && event->button() != Qt::LeftButton) {
        m_drag->cancel();
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        handlePress(event, false);
        const QPoint point = event->position().toPoint();
        m_drag->press(point, QPoint(cursorColumn(), rowAt(point.y())));
    } else if (event->button() == Qt::RightButton) {
        handlePress(event, true);
    } else {
        QTableView::mousePressEvent(event);
    }
}

void CCueView::handlePress(QMouseEvent* event, bool right)
{
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);

    const QPoint point = event->position().toPoint();
    const int row = rowAt(point.y());
    const int logicalColumn = columnAt(point.x());
    if (row < 0 && !right) {
        // Below the last row a left press changes nothing.
        event->accept();
        return;
    }

    const int column = logicalColumn < 0 ? -1 : horizontalHeader()->visualIndex(logicalColumn);
    if (m_editor)
        m_editor->setCursorColumn(column);
    QTableView::mousePressEvent(event);
    RedrawRow(row);
    ShowSlotDescription(column);
    if (right)
        ShowContextMenu(column, row);
    viewport()->update();
}

void CCueView::mouseMoveEvent(QMouseEvent* event)
{
    m_drag->move(event);
    // A row is picked by the press alone: moving with a button held selects nothing more.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void CCueView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && m_editor)
        m_editor->OpenSlotSettings();
}
