// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpainter.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>

namespace cuelist::sheet {

namespace {

QColor ColorOf(TextRole role)
{
    switch (role) {
    case TextRole::Frame:
    case TextRole::Legend:
    case TextRole::Info:
        return QColor(90, 90, 90);
    case TextRole::MissingName:
    case TextRole::Missing:
        return QColor(170, 0, 0);
    default:
        return Qt::black;
    }
}

} // namespace

QPageLayout SheetPageLayout(const QPageSize& paper)
{
    return QPageLayout(paper, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QPageSize DefaultPaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

void PaintSheetPage(QPainter& painter, const SheetLayout& layout, const SheetPage& page)
{
    const SheetStyle style(layout.dpi, layout.scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PlacedBox& box : page.boxes) {
        if (box.role == BoxRole::HeaderFill)
            painter.fillRect(box.rect, QColor(232, 232, 232));
        else if (box.role == BoxRole::MissingFill)
            painter.fillRect(box.rect, QColor(253, 222, 222));
    }
    painter.setPen(QPen(QColor(120, 120, 120), style.points(0.5)));
    painter.setBrush(Qt::NoBrush);
    for (const PlacedBox& box : page.boxes)
        if (box.role == BoxRole::Grid)
            painter.drawRect(box.rect);
    for (const PlacedText& text : page.texts) {
        painter.setFont(style.font(text.role));
        painter.setPen(ColorOf(text.role));
        painter.drawText(text.rect, int(text.align) | Qt::TextSingleLine, text.text);
    }
    painter.restore();
}

int PrintSheet(const SheetContent& content, QPagedPaintDevice& device, int fromPage, int toPage)
{
    const double dpi = device.logicalDpiY();
    const SheetLayout layout = LayOutSheet(content, QSizeF(device.width(), device.height()), dpi);
    const int count = int(layout.pages.size());
    const int first = std::clamp(fromPage > 0 ? fromPage : 1, 1, count);
    const int last = std::clamp(toPage > 0 ? toPage : count, first, count);

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    for (int i = first; i <= last; ++i) {
        if (i > first && !device.newPage())
            return 0;
        PaintSheetPage(painter, layout, layout.pages[std::size_t(i - 1)]);
    }
    return painter.end() ? count : 0;
}

} // namespace cuelist::sheet
