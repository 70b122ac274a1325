// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridsizer.h"

#include "commandtable.h"
#include "paddedheader.h"

#include <algorithm>
#include <cmath>
#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QStyleOptionHeader>

GridSizer::GridSizer(QHeaderView* header, const QAbstractItemModel* model, QObject* parent)
    : QObject(parent), m_header(header), m_model(model),
      m_scale(GridZoom::scaleAt(GridZoom::kActual, QApplication::font()))
{
    connect(m_header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (m_settingWidths)
            return;
        keepUserWidth(column, width);
        emit columnWidthsChanged();
    });
}

int GridSizer::minimumColumnWidthAt(int column, const GridScale& scale) const
{
    // The header's own measure of its title, taken in the font of that zoom.
    QStyleOptionHeader option;
    option.initFrom(m_header);
    option.section = column;
    option.text = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    QFont bold = scale.font; // the header measures its titles in bold
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    option.textAlignment = Qt::AlignCenter;
    int title = m_header->style()
                    ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), m_header)
                    .width();
    if (qobject_cast<PaddedHeader*>(m_header))
        title += 2 * PaddedHeader::paddingFor(QFontMetrics(scale.font));
    if (column == 0)
        return title;
    // The widest name a slot can hold, with the cell's margins and room for the mark of a
    // missing file.
    const int name = QFontMetrics(scale.font).horizontalAdvance(QStringLiteral("MMMMMMMM.MP3")) +
                     scale.textMargins() + scale.markSpace;
    return std::max(title, name);
}

int GridSizer::minimumColumnWidth(int column) const
{
    return minimumColumnWidthAt(column, m_scale);
}

QList<int> GridSizer::columnWidths() const
{
    const GridScale actual = GridZoom::scaleAt(GridZoom::kActual, QApplication::font());
    QList<int> widths;
    for (int column = 0; column < m_model->columnCount(); ++column)
        widths << minimumColumnWidthAt(column, actual) +
                      int(std::lround(m_extraWidths.value(column)));
    return widths;
}

void GridSizer::setColumnWidths(const QList<int>& widths)
{
    if (widths.size() != m_model->columnCount())
        return;
    const GridScale actual = GridZoom::scaleAt(GridZoom::kActual, QApplication::font());
    m_extraWidths.clear();
    for (int column = 0; column < widths.size(); ++column)
        m_extraWidths << std::max(0, widths[column] - minimumColumnWidthAt(column, actual));
    applyColumnWidths();
}

int GridSizer::layoutWidthAt(int percent) const
{
    const GridScale scale = GridZoom::scaleAt(percent, QApplication::font());
    int width = 0;
    for (int column = 0; column < m_model->columnCount(); ++column)
        width += minimumColumnWidthAt(column, scale) +
                 int(std::lround(m_extraWidths.value(column) * scale.percent / 100.0));
    return width;
}

void GridSizer::setZoom(int percent)
{
    const int bounded = GridZoom::bounded(percent);
    const GridScale scale = GridZoom::scaleAt(bounded, QApplication::font());
    if (bounded == m_scale.percent && m_header->font() == scale.font)
        return;
    m_scale = scale;
    emit scaleChanged();
    emit zoomChanged(bounded);
    if (CommandTable* table = CommandTable::instance())
        table->updateStates();
}

void GridSizer::fitTo(int availableWidth)
{
    if (layoutWidthAt(GridZoom::kMinimum) > availableWidth) {
        // Widths the user chose would hide frames at every zoom: all 16 frames win.
        m_extraWidths.clear();
        emit columnWidthsChanged();
    }
    setZoom(
        GridZoom::fitting([this](int percent) { return layoutWidthAt(percent); }, availableWidth));
}

void GridSizer::applyColumnWidths()
{
    m_settingWidths = true;
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_header->resizeSection(
            column, minimumColumnWidthAt(column, m_scale) +
                        int(std::lround(m_extraWidths.value(column) * m_scale.percent / 100.0)));
    m_settingWidths = false;
}

void GridSizer::keepUserWidth(int column, int width)
{
    while (m_extraWidths.size() < m_model->columnCount())
        m_extraWidths << 0.0;
    const int extra = std::max(0, width - minimumColumnWidthAt(column, m_scale));
    m_extraWidths[column] = extra * 100.0 / m_scale.percent;
}
