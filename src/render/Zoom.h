// SPDX-License-Identifier: MIT
#pragma once

#include "Twips.h"

#include <QtGlobal>

#include <array>

// One zoom of the window's layout, a percentage for the whole of it: turns
// its twips into pixels and its point sizes into the sizes drawn at that
// zoom. The main window keeps the one it shows and hands it to its widgets;
// the animated pictures make one for the picture's size.
class Zoom {
public:
    static constexpr std::array<int, 6> Steps{100, 125, 150, 200, 250, 300};

    constexpr Zoom() = default;
    constexpr explicit Zoom(int percent)
        : m_percent(percent)
    {
    }

    // The step nearest to percent.
    static Zoom nearestStep(int percent);
    // The step next to this one (direction +1 or -1), or this one at either end.
    Zoom nextStep(int direction) const;

    constexpr int percent() const { return m_percent; }
    constexpr int px(int twips) const { return Twips::toPixels(twips, m_percent); }
    constexpr qreal points(qreal pointSize) const { return pointSize * m_percent / 100; }

    constexpr bool operator==(Zoom other) const { return m_percent == other.m_percent; }
    constexpr bool operator!=(Zoom other) const { return m_percent != other.m_percent; }

private:
    int m_percent = 100;
};
