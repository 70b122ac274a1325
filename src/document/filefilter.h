// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Turns a filter of the form "Name|*.ext|Other|*.a;*.b||" into QFileDialog's
// "Name (*.ext);;Other (*.a *.b)". A name that already ends in its own pattern in
// parentheses is kept as it is.
QString QtFileFilter(const QString& barSeparated);
