// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetpdf.h"

#include "fileio/safefile.h"
#include "sheetpainter.h"

#include <cerrno>
#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>

namespace cuelist::sheet {

namespace {
// Fine enough that whole-pixel font sizes stay close to their point sizes.
constexpr int kPdfResolution = 600;
} // namespace

QByteArray SheetPdf(const SheetContent& content, const QPageSize& paper)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(SheetPageLayout(paper));
        writer.setTitle(content.title);
        writer.setCreator(QStringLiteral("Cuelist Studio"));
        if (PrintSheet(content, writer) == 0)
            return {};
    }
    return bytes;
}

fileio::FileResult WriteSheetPdf(const SheetContent& content, const QPageSize& paper,
                                 const QString& path)
{
    const QByteArray pdf = SheetPdf(content, paper);
    if (pdf.isEmpty())
        return fileio::FileResult::System(EIO, QFile::encodeName(path).toStdString());
    return fileio::WriteFileSafely(
        QFile::encodeName(path).toStdString(),
        std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()), std::size_t(pdf.size())));
}

} // namespace cuelist::sheet
