// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetcontent.h"
#include "sheetstyle.h"

#include <QRectF>
#include <QSizeF>
#include <vector>

namespace cuelist::sheet {

// One line of text in its box; the text already fits the box's width.
struct PlacedText
{
    QRectF rect;
    QString text;
    TextRole role = TextRole::Detail;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

enum class BoxRole { Grid, HeaderFill, MissingFill };

struct PlacedBox
{
    QRectF rect;
    BoxRole role = BoxRole::Grid;
};

struct SheetPage
{
    std::vector<int> channels; // the rows on this page, in order
    std::vector<QRectF> rows;  // each row's rectangle, index for index
    std::vector<PlacedBox> boxes;
    std::vector<PlacedText> texts;
};

// Where everything goes on every page, in device pixels relative to the printable area.
struct SheetLayout
{
    QSizeF area;
    double dpi = 72;
    double scale = 1; // below 1 when the paper is too small for the normal sizes
    QRectF body;      // the part of each page that holds channel rows
    std::vector<SheetPage> pages;
};

// Lays the sheet out on pages of the printable area (device pixels at dpi). A channel's row
// never splits across pages; every text is shortened to fit its cell. Pure computation:
// measures text but paints nothing.
SheetLayout LayOutSheet(const SheetContent& content, const QSizeF& area, double dpi);

} // namespace cuelist::sheet
