// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include <array>

// The window's layout is drawn up in twips (1/1440 inch); at 96 dots per inch
// 15 twips make one device-independent pixel. Qt scales these for high-DPI.
//
// The main window is also drawn at a zoom, one percentage for the whole
// layout: scaled() turns its twips into pixels at that zoom. There is one
// main window per program, so the zoom is kept here rather than passed around.
namespace Twips {

constexpr std::array<int, 6> ZoomSteps{100, 125, 150, 200, 250, 300};

constexpr int toPixels(int twips, int percent = 100)
{
    return (twips * percent + 750) / 1500;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

int zoomPercent();
// Snaps to the nearest step; returns whether the zoom changed.
bool setZoomPercent(int percent);
// The step next to the current zoom (direction +1 or -1), or the zoom itself at either end.
int nextZoomStep(int direction);

inline int scaled(int twips)
{
    return toPixels(twips, zoomPercent());
}

inline qreal scaledPoints(qreal pointSize)
{
    return pointSize * zoomPercent() / 100;
}

} // namespace Twips
