// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What a document needs of its views. The grid view implements it.
class DocumentView
{
public:
    virtual ~DocumentView() = default;

    // Refills everything the view shows from the document.
    virtual void OnUpdate() = 0;
    // Opens the settings dialog of the document's current slot, exactly as a double
    // click on the grid does (Select File and Open File Contents use it).
    virtual void OpenSlotSettings() = 0;
    virtual QWidget* viewWidget() = 0;
};
