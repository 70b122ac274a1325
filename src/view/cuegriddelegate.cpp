// SPDX-License-Identifier: GPL-3.0-or-later
#include "cuegriddelegate.h"

#include "cuegridmodel.h"
#include "cueview.h"
#include "gridmetrics.h"

#include <algorithm>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int kFrameWidth = 2;

// A red that reads on the cell's background, light or dark.
QColor MissingTextColor(const QColor& background)
{
    return background.lightness() < 128 ? QColor(255, 120, 120) : QColor(200, 0, 0);
}

} // namespace

CueGridDelegate::CueGridDelegate(CCueView* view, QObject* parent)
    : QStyledItemDelegate(parent), m_view(view)
{
}

void CueGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const int row = index.row();
    const int column = index.column();
    const bool cursorRow = m_view->isCursorRow(row);

    const QPalette& palette = m_view->palette();
    const QColor background = palette.color(cursorRow ? QPalette::Highlight : QPalette::Base);
    const QColor foreground = palette.color(cursorRow ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    painter->fillRect(option.rect, background);

    const GridScale& scale = m_view->sizer()->gridScale();
    const bool cursorCell = cursorRow && column > 0 && column == m_view->cursorColumn();
    const bool missing = column > 0 && index.data(CueGridModel::kMissingRole).toBool();
    QRect textArea = option.rect;
    QRect markRect;
    if (missing) {
        // The mark takes the left of the cell; the name keeps the rest.
        const int side = std::min(option.rect.height() - 2 * scale.textInset, scale.markSize());
        markRect = QRect(option.rect.left() + scale.textInset,
                         option.rect.top() + (option.rect.height() - side) / 2, side, side);
        textArea.setLeft(markRect.right() + 1);
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    bool shortened = false;
    const QString fitted =
        FitCellText(option.fontMetrics, text, textArea.width(), scale.fitMargin, &shortened);

    Qt::Alignment alignment = Qt::AlignLeft;
    if (column > 0 && !shortened)
        alignment =
            Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;

    if (cursorCell)
        drawCellCursor(painter, option);

    painter->setFont(option.font);
    painter->setPen(foreground);
    if (missing) {
        drawMissingMark(painter, markRect);
        // Red on the red cursor cell would vanish: there the mark alone says it.
        if (!cursorCell)
            painter->setPen(MissingTextColor(background));
    }
    const QRect textRect = textArea.adjusted(scale.textInset, 0, -scale.textInset, 0);
    painter->drawText(textRect, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), fitted);
    painter->restore();
}

void CueGridDelegate::drawCellCursor(QPainter* painter, const QStyleOptionViewItem& option) const
{
    painter->fillRect(option.rect, cursorCellColor());
    QStyleOptionFocusRect focus;
    focus.initFrom(m_view);
    focus.rect = option.rect;
    focus.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    focus.backgroundColor = cursorCellColor();
    // Some styles tint the whole rectangle; the frame may only touch the cell's border.
    painter->save();
    painter->setClipRegion(QRegion(option.rect)
                               .subtracted(QRegion(option.rect.adjusted(
                                   kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth))),
                           Qt::IntersectClip);
    m_view->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_view);
    painter->restore();
}

void CueGridDelegate::drawMissingMark(QPainter* painter, const QRect& rect) const
{
    // A warning triangle in yellow with a dark edge and mark: it stands out on the base
    // colours of a light or dark palette, on the highlighted row and on the red cursor cell.
    const QPointF top(rect.center().x() + 0.5, rect.top() + 0.5);
    const QPolygonF triangle{top, QPointF(rect.right() + 0.5, rect.bottom() + 0.5),
                             QPointF(rect.left() + 0.5, rect.bottom() + 0.5)};
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // Thin lines on a small mark, so that its yellow still shows when zoomed out.
    painter->setPen(QPen(QColor(40, 40, 40), std::clamp(rect.width() / 14.0, 0.6, 1.2)));
    painter->setBrush(QColor(255, 200, 0));
    painter->drawPolygon(triangle);
    const qreal x = rect.center().x() + 0.5;
    painter->setPen(
        QPen(QColor(40, 40, 40), std::max(0.8, rect.width() / 9.0), Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(QPointF(x, rect.top() + rect.height() * 0.38),
                      QPointF(x, rect.top() + rect.height() * 0.68));
    painter->drawPoint(QPointF(x, rect.top() + rect.height() * 0.84));
    painter->restore();
}
