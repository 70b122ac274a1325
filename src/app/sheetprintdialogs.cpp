// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetprintdialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace {

class ToolkitPrintDialogs final : public SheetPrintDialogs
{
public:
    bool choosePrinter(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        return dialog.exec() == QDialog::Accepted;
    }

    void preview(QWidget* parent, QPrinter& printer,
                 const std::function<void(QPrinter*)>& paint) override
    {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter* target) { paint(target); });
        dialog.exec();
    }
};

ToolkitPrintDialogs g_toolkit;
SheetPrintDialogs* g_current = nullptr;

} // namespace

SheetPrintDialogs& SheetPrintDialogs::current()
{
    return g_current ? *g_current : g_toolkit;
}

SheetPrintDialogs* SheetPrintDialogs::setCurrent(SheetPrintDialogs* dialogs)
{
    SheetPrintDialogs* previous = g_current;
    g_current = dialogs;
    return previous;
}
