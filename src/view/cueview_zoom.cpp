// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtable.h"
#include "cuegridmodel.h"
#include "cueview.h"
#include "gridmetrics.h"
#include "paddedheader.h"

#include <algorithm>
#include <cmath>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QWheelEvent>

namespace {
constexpr int kWheelStep = 120; // one notch of a common wheel
} // namespace

int CCueView::minimumColumnWidthAt(int column, const GridScale& scale) const
{
    // The header's own measure of its title, taken in the font of that zoom.
    QHeaderView* header = horizontalHeader();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = column;
    option.text = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    QFont bold = scale.font; // the header measures its titles in bold
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    option.textAlignment = Qt::AlignCenter;
    int title = header->style()
                    ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
                    .width();
    if (qobject_cast<PaddedHeader*>(header))
        title += 2 * PaddedHeader::paddingFor(QFontMetrics(scale.font));
    if (column == 0)
        return title;
    // The widest name a slot can hold, with the cell's margins and room for the mark of a
    // missing file.
    const int name = QFontMetrics(scale.font).horizontalAdvance(QStringLiteral("MMMMMMMM.MP3")) +
                     scale.textMargins() + scale.markSpace;
    return std::max(title, name);
}

int CCueView::layoutWidthAt(int percent) const
{
    const GridScale scale = GridZoom::scaleAt(percent, QApplication::font());
    int width = 0;
    for (int column = 0; column < m_model->columnCount(); ++column)
        width += minimumColumnWidthAt(column, scale) +
                 int(std::lround(m_extraWidths.value(column) * scale.percent / 100.0));
    return width;
}

void CCueView::setZoom(int percent)
{
    const int bounded = GridZoom::bounded(percent);
    if (bounded == m_scale.percent && font() == m_scale.font)
        return;
    m_scale = GridZoom::scaleAt(bounded, QApplication::font());
    applyScale();
    emit zoomChanged(bounded);
    if (CommandTable* table = CommandTable::instance())
        table->updateStates();
}

void CCueView::fitAllFrames()
{
    const int available = viewport()->width();
    const auto widthAt = [this](int percent) { return layoutWidthAt(percent); };
    if (layoutWidthAt(GridZoom::kMinimum) > available) {
        // Widths the user chose would hide frames at every zoom: all 16 frames win.
        m_extraWidths.clear();
        emit columnWidthsChanged();
    }
    setZoom(GridZoom::fitting(widthAt, available));
}

void CCueView::applyScale()
{
    setFont(m_scale.font); // the header takes it too, so the titles set the column widths
    horizontalHeader()->setFont(m_scale.font);
    verticalHeader()->setDefaultSectionSize(
        GridRowHeight(QFontMetrics(m_scale.font), m_scale.extraRowHeight));
    applyColumnWidths();
    updateGeometries();
    const QModelIndex current = currentIndex();
    if (current.isValid())
        scrollTo(current);
    if (cursorColumn() >= 1)
        EnsureColumnVisible(cursorColumn());
    viewport()->update();
}

void CCueView::applyColumnWidths()
{
    m_settingWidths = true;
    for (int column = 0; column < m_model->columnCount(); ++column)
        horizontalHeader()->resizeSection(
            column, minimumColumnWidthAt(column, m_scale) +
                        int(std::lround(m_extraWidths.value(column) * m_scale.percent / 100.0)));
    m_settingWidths = false;
}

void CCueView::keepUserWidth(int column, int width)
{
    while (m_extraWidths.size() < m_model->columnCount())
        m_extraWidths << 0.0;
    const int extra = std::max(0, width - minimumColumnWidthAt(column, m_scale));
    m_extraWidths[column] = extra * 100.0 / m_scale.percent;
}

void CCueView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        m_wheelAngle = 0;
        QTableView::wheelEvent(event);
        return;
    }
    // Fine-grained wheels report small angles: a step is taken per whole notch.
    m_wheelAngle += event->angleDelta().y();
    while (std::abs(m_wheelAngle) >= kWheelStep) {
        const bool in = m_wheelAngle > 0;
        m_wheelAngle += in ? -kWheelStep : kWheelStep;
        setZoom(in ? GridZoom::stepIn(zoom()) : GridZoom::stepOut(zoom()));
    }
    event->accept();
}
