#include "cuegriddelegate.h"

#include "cueview.h"
#include "gridmetrics.h"

#include <QPainter>
#include <QStyle>

namespace {
constexpr int kFitMargin = 4;
constexpr int kTextInset = 2;
static_assert(CueGridDelegate::kTextMargins == kFitMargin + 2 * kTextInset);
constexpr int kFrameWidth = 2;
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
    if (cursorRow)
        m_view->noteCursorRowPainted(row);

    const QPalette& palette = m_view->palette();
    const QColor background = palette.color(cursorRow ? QPalette::Highlight : QPalette::Base);
    const QColor foreground = palette.color(cursorRow ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    painter->fillRect(option.rect, background);

    const QString text = index.data(Qt::DisplayRole).toString();
    bool shortened = false;
    const QString fitted =
        FitCellText(option.fontMetrics, text, option.rect.width(), kFitMargin, &shortened);

    Qt::Alignment alignment = Qt::AlignLeft;
    if (column > 0 && !shortened)
        alignment =
            Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;

    if (cursorRow && column > 0 && column == m_view->cursorColumn())
        drawCellCursor(painter, option);

    painter->setFont(option.font);
    painter->setPen(foreground);
    const QRect textRect = option.rect.adjusted(kTextInset, 0, -kTextInset, 0);
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
