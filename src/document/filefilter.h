// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How the patterns of a filter are written for QFileDialog.
enum class FilterCase {
    AsGiven, // "Name (*.ext)"; a name that ends in its own patterns is kept as it is
    // QFileDialog matches with case on some platforms: each extension in its own, upper and
    // lower case, and "*.*" as "*" so that names without a dot are listed too. The name
    // loses its own parenthesised patterns and shows those it stands for.
    BothCases,
};

// Turns a filter of the form "Name|*.ext|Other|*.a;*.b||" into QFileDialog's
// "Name (*.ext);;Other (*.a *.b)".
QString QtFileFilter(const QString& barSeparated, FilterCase patternCase = FilterCase::AsGiven);
