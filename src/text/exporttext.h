// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardexport/exportplan.h"
#include "cardexport/exportrun.h"

#include <QString>
#include <QStringList>

// Texts of a card export in the user's language, shared by the editor and `cuelist`.
namespace cuelist::text {

// One sentence about a problem the plan found; the lists of names are not included.
QString ExportProblemText(const cardexport::Problem& problem);

// What the export will do: the files to copy, the playlist, the space it needs.
QStringList ExportPlanLines(const cardexport::ExportPlan& plan);

// What the export did (or why it stopped), one sentence a line.
QStringList ExportReportLines(const cardexport::ExportReport& report);

// "4.2 MB" in the user's language.
QString DataSizeText(std::uint64_t bytes);

} // namespace cuelist::text
