// SPDX-License-Identifier: GPL-3.0-or-later
#include "paddedheader.h"

#include <QEvent>

PaddedHeader::PaddedHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

int PaddedHeader::padding() const
{
    if (m_padding < 0)
        m_padding = paddingFor(fontMetrics());
    return m_padding;
}

int PaddedHeader::paddingFor(const QFontMetrics& metrics)
{
    return std::max(3, metrics.height() / 4);
}

bool PaddedHeader::event(QEvent* event)
{
    // What the metrics follow: the font, the style and the screen's resolution.
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ScreenChangeInternal:
        m_padding = -1;
        break;
    default:
        break;
    }
    return QHeaderView::event(event);
}

QSize PaddedHeader::sectionSizeFromContents(int logicalIndex) const
{
    const int room = 2 * padding();
    return QHeaderView::sectionSizeFromContents(logicalIndex) + QSize(room, room);
}
