// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;

// The status bar pane with the play time of the channel under the cursor. The main frame
// registers its label; until then, and after it is gone, writes are kept but not shown.
// GUI thread only.
namespace PlayTimePane {
void attach(QLabel* label);
void setText(const QString& text);
QString text();
} // namespace PlayTimePane
