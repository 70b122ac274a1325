// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileio/fileresult.h"
#include "sheetcontent.h"

#include <QByteArray>
#include <QPageSize>

namespace cuelist::sheet {

// The sheet as a PDF document on the paper given (landscape), its fonts embedded. Empty when
// it could not be made.
QByteArray SheetPdf(const SheetContent& content, const QPageSize& paper);

// Writes the PDF to path through a temporary file that replaces the old one only when
// complete, so a failed export leaves no partial file.
fileio::FileResult WriteSheetPdf(const SheetContent& content, const QPageSize& paper,
                                 const QString& path);

} // namespace cuelist::sheet
