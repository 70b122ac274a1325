// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridzoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kActualFontPixels = 24;
constexpr int kMinimumFontPixels = 6;
constexpr int kCondensedBelow = 50;
constexpr std::array kSteps{25, 33, 40, 50, 60, 70, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

int Scaled(int pixels, int percent, int least)
{
    return std::max(least, int(std::lround(pixels * percent / 100.0)));
}

} // namespace

namespace GridZoom {

int bounded(int percent)
{
    return std::clamp(percent, kMinimum, kMaximum);
}

GridScale scaleAt(int percent, const QFont& applicationFont)
{
    GridScale scale;
    scale.percent = bounded(percent);
    scale.font = applicationFont;
    scale.font.setPixelSize(Scaled(kActualFontPixels, scale.percent, kMinimumFontPixels));
    if (scale.percent < kCondensedBelow)
        scale.font.setStretch(QFont::Condensed);
    scale.extraRowHeight = Scaled(20, scale.percent, 2);
    scale.fitMargin = Scaled(4, scale.percent, 1);
    scale.textInset = Scaled(2, scale.percent, 1);
    scale.markSpace = Scaled(20, scale.percent, 7);
    return scale;
}

int stepIn(int percent)
{
    for (int step : kSteps)
        if (step > percent)
            return step;
    return bounded(percent);
}

int stepOut(int percent)
{
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < percent)
            return *it;
    return bounded(percent);
}

int fitting(const std::function<int(int)>& widthAt, int available)
{
    if (widthAt(kMinimum) > available)
        return kMinimum;
    int low = kMinimum; // fits
    int high = kMaximum + 1;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        if (widthAt(middle) <= available)
            low = middle;
        else
            high = middle;
    }
    return low;
}

} // namespace GridZoom
