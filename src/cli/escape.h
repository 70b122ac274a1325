// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cuelist::cli {

// Control characters and the backslash written as escapes (\t, \n, \r, \\, \xHH), so that a
// name read from a playlist can never break a line, add a field or drive the terminal.
QString Escaped(const QString& text);

} // namespace cuelist::cli
