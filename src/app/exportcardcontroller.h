// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardexport/exportrun.h"
#include "core/slottable.h"

#include <optional>
#include <QObject>
#include <QString>

class QWidget;

// File > Export to Card for one playlist: the card folder chosen through the prompt, the plan
// and its problems shown before anything is copied, the copy on a worker thread behind one
// progress bar with Cancel, and the report. GUI thread; the worker never touches a widget.
class ExportCardController final : public QObject
{
    Q_OBJECT
public:
    struct Source
    {
        cuelist::SlotTable table;
        QString playlistPath;   // gives the playlist's name on the card
        QString dataFolderPath; // where the MP3 files are looked up
    };

    // parent: the window the dialogs belong to (not owned).
    explicit ExportCardController(QWidget* parent);
    Q_DISABLE_COPY_MOVE(ExportCardController)

    // Runs the whole flow; no value when the user stopped before the copy began.
    std::optional<cuelist::cardexport::ExportOutcome> run(const Source& source);

private:
    cuelist::cardexport::ExportReport copy(const cuelist::cardexport::ExportPlan& plan,
                                           const cuelist::SlotTable& table, bool removeExtras);

    QWidget* m_parent;
};
