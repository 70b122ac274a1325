#include "cueview.h"

#include <QHeaderView>

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
