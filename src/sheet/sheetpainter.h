// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheetlayout.h"

#include <QPageLayout>
#include <QPageSize>

class QPagedPaintDevice;
class QPainter;

namespace cuelist::sheet {

// The page setup of every cue sheet: landscape, with the paper size given (A4 or Letter).
QPageLayout SheetPageLayout(const QPageSize& paper);
// A4, or Letter where the locale measures in US units.
QPageSize DefaultPaper();

// Lays the sheet out for the device's printable area and resolution and paints its pages,
// from fromPage to toPage (counting from 1; 0 for no limit). Returns the number of pages
// of the whole sheet, or 0 when the device could not be painted on.
int PrintSheet(const SheetContent& content, QPagedPaintDevice& device, int fromPage = 0,
               int toPage = 0);

// Paints one laid-out page with a painter already open on the device.
void PaintSheetPage(QPainter& painter, const SheetLayout& layout, const SheetPage& page);

} // namespace cuelist::sheet
