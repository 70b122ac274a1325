// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;

// The status bar pane that describes the current slot. The main frame registers its
// label once it exists; until then, and after it is gone, writes are kept but not shown.
// GUI thread only.
namespace DescriptionPane {
void attach(QLabel* label);
void setText(const QString& text); // shown and repainted at once
QString text();
} // namespace DescriptionPane
