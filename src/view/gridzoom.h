// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <QFont>
#include <QList>

// The sizes the grid is drawn with at one zoom level, in pixels.
struct GridScale
{
    int percent = 100;
    QFont font;              // the grid and header font
    int extraRowHeight = 20; // added to the font's height for a row
    int fitMargin = 4;       // kept free when fitting a text into its cell
    int textInset = 2;       // between a cell's edge and its text, on each side
    int markSpace = 20;      // the mark of a missing file, before the name

    int textMargins() const { return fitMargin + 2 * textInset; }
    int markSize() const { return markSpace - 2; }
};

// Zoom levels of the grid, in percent of the actual size (a 24-pixel font). Below half size
// the font is condensed, so that the full names of all 16 frames still fit a narrow screen.
namespace GridZoom {

constexpr int kMinimum = 25;
constexpr int kActual = 100;
constexpr int kMaximum = 300;

int bounded(int percent);
GridScale scaleAt(int percent, const QFont& applicationFont);
// The next level up or down from percent; percent itself at the ends.
int stepIn(int percent);
int stepOut(int percent);
// The largest level whose layout width (widthAt) is at most available pixels; kMinimum when
// none is. widthAt must grow with the level.
int fitting(const std::function<int(int percent)>& widthAt, int available);

} // namespace GridZoom
