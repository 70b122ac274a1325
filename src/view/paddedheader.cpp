// SPDX-License-Identifier: GPL-3.0-or-later
#include "paddedheader.h"

PaddedHeader::PaddedHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

int PaddedHeader::padding() const
{
    return paddingFor(fontMetrics());
}

int PaddedHeader::paddingFor(const QFontMetrics& metrics)
{
    return std::max(3, metrics.height() / 4);
}

QSize PaddedHeader::sectionSizeFromContents(int logicalIndex) const
{
    const int room = 2 * padding();
    return QHeaderView::sectionSizeFromContents(logicalIndex) + QSize(room, room);
}
