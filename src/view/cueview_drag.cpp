// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuedoc.h"
#include "cueview.h"
#include "slotdragcontroller.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
QPoint CCueView::updateHoverCell(const QPoint& viewportPos)
{
    const int row = rowAt(viewportPos.y());
    if (row < 0) {
        m_hoverCell = QPoint(-1, -1);
        return m_hoverCell;
    }
    const QHeaderView* header = horizontalHeader();
    const int logical = columnAt(viewportPos.x());
    if (logical >= 0)
        m_hoverCell.setX(header->visualIndex(logical));
    else if (viewportPos.x() < columnViewportPosition(header->logicalIndex(0)))
        m_hoverCell.setX(-1);
    else
        m_hoverCell.setX(kLastColumn + 1);
    m_hoverCell.setY(row);
    return m_hoverCell;
}

QPixmap CCueView::BuildDragImage(int row) const
{
    const int column = cursorColumn();
    if (column < 1 || column > kLastColumn || !document() || row < 0)
        return QPixmap();
    const QString text = document()->cellText(column, row + 1) + QString(14, QLatin1Char(' '));
    const QFontMetrics metrics(font());
    const qreal ratio = devicePixelRatioF();
    QPixmap image(QSize(metrics.horizontalAdvance(text), metrics.height()) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return image;
}

void CCueView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_drag->release(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}
