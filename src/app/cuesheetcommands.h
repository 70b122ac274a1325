// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandtarget.h"
#include "sheet/sheetcontent.h"

#include <functional>
#include <optional>
#include <QObject>

class CCueDoc;
class QWidget;

// Print, Print Preview and Export PDF of one playlist window's cue sheet. Owned by the
// child frame; the document outlives it. Dialogs go through the prompt interface and
// SheetPrintDialogs. GUI thread only.
class CueSheetCommands final : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    // Dialogs belong to parent, the playlist's window.
    CueSheetCommands(CCueDoc* doc, QWidget* parent = nullptr);
    ~CueSheetCommands() override;
    Q_DISABLE_COPY_MOVE(CueSheetCommands)

    // Where measured loudness comes from, once the editor measures it; without a source the
    // sheet has no loudness column.
    using LoudnessSource =
        std::function<std::optional<double>(const CCueDoc&, int frame, int channel)>;
    static void setLoudnessSource(LoudnessSource source);

    // The sheet as the playlist stands now, unsaved edits included. Reads the lengths the
    // editor does not know yet, so it may take a moment on a new data folder.
    cuelist::sheet::SheetContent content() const;

    // Each returns whether the sheet was printed or written.
    bool print();
    bool printPreview();
    bool exportPdf();

    bool handlesCommand(int id) const override;
    void runCommand(int id) override;

private:
    QWidget* parentWidget() const;

    CCueDoc* m_doc;
};
