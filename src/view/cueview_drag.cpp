// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuedoc.h"
#include "cueview.h"
#include "slotdragcontroller.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
void CCueView::updateHoverCell(const QPoint& viewportPos)
{
    const int row = rowAt(viewportPos.y());
    if (row < 0) {
        m_hoverColumn = -1;
        m_hoverRow = -1;
        return;
    }
    const QHeaderView* header = horizontalHeader();
    const int logical = columnAt(viewportPos.x());
    if (logical >= 0)
        m_hoverColumn = header->visualIndex(logical);
    else if (viewportPos.x() < columnViewportPosition(header->logicalIndex(0)))
        m_hoverColumn = -1;
    else
        m_hoverColumn = kLastColumn + 1;
    m_hoverRow = row;
}

QPixmap CCueView::BuildDragImage(int row) const
{
    if (m_cursorColumn < 1 || m_cursorColumn > kLastColumn || !m_doc || row < 0)
        return QPixmap();
    const QString text = m_doc->cellText(m_cursorColumn, row + 1) + QString(14, QLatin1Char(' '));
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
