// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// How a lamp of the visual test looks: a filled circle with a thin ring. The
// lamp widget and the animated pictures draw it alike.
namespace LampPainter {

// Where the window puts the lamps, in twips: one at the start of each row.
constexpr int WindowLeft = 1200;
constexpr int Side = 255;

void paint(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& ring);

} // namespace LampPainter
