// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The printer dialogs the cue sheet needs, behind an interface so that tests can answer
// them. The editor uses the toolkit's print and preview dialogs unless another one is set.
class SheetPrintDialogs
{
public:
    virtual ~SheetPrintDialogs() = default;

    // Lets the user choose the printer, its paper and the pages; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages on the printer's paper until the user closes the preview (which may
    // print them); paint draws the whole sheet on the printer it is given, again after every
    // change of the page setup.
    virtual void preview(QWidget* parent, QPrinter& printer,
                         const std::function<void(QPrinter*)>& paint) = 0;

    // The dialogs in use; never null.
    static SheetPrintDialogs& current();
    // Installs dialogs (not owned; null for the toolkit's) and returns the previous ones.
    static SheetPrintDialogs* setCurrent(SheetPrintDialogs* dialogs);
};
