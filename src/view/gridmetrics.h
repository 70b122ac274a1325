// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFontMetrics;

// The text of a cell as it fits into width pixels with margin pixels to spare: unchanged when
// it fits, otherwise its longest prefix (at least one character) followed by "...".
QString FitCellText(const QFontMetrics& metrics, const QString& text, int width, int margin,
                    bool* shortened = nullptr);

// Dragging the horizontal thumb moves the grid in steps of 16 pixels: a tracked position is
// taken when it is 0, at or beyond maximum, or a multiple of 16.
bool AcceptsThumbPosition(int position, int maximum);

// The height of a grid row for a font: the extra height, the character height and the
// external leading.
int GridRowHeight(const QFontMetrics& metrics, int extraHeight = 20);
