// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridmetrics.h"

#include <algorithm>
#include <QFontMetrics>

namespace {
constexpr int kThumbStep = 16;
const QString kEllipsis = QStringLiteral("...");
} // namespace

QString FitCellText(const QFontMetrics& metrics, const QString& text, int width, int margin,
                    bool* shortened)
{
    if (shortened)
        *shortened = false;
    if (text.isEmpty() || metrics.horizontalAdvance(text) + margin <= width)
        return text;
    const int ellipsis = metrics.horizontalAdvance(kEllipsis);
    qsizetype n = text.size() - 1;
    for (; n > 1; --n) {
        if (metrics.horizontalAdvance(text.left(n)) + margin + ellipsis <= width)
            break;
    }
    if (shortened)
        *shortened = true;
    return text.left(std::max<qsizetype>(n, 1)) + kEllipsis;
}

bool AcceptsThumbPosition(int position, int maximum)
{
    return position == 0 || position >= maximum || position % kThumbStep == 0;
}

int GridRowHeight(const QFontMetrics& metrics, int extraHeight)
{
    return extraHeight + metrics.height() + std::max(0, metrics.leading());
}
