// SPDX-License-Identifier: MIT
#pragma once

#include "GridGeometry.h"

#include <QColor>

class LedSequence;
class QPainter;
class QPalette;

// How the grid's cells look, in the grid's own coordinates at the zoom given.
// The grid widget and the animated pictures draw them alike.
namespace GridPainter {

struct CellColors {
    QColor frame;
    QColor face;
    QColor lit;
    QColor cursor;
};
CellColors cellColors(const QPalette& palette);

// Every cell that meets dirty; cursor: the cell to mark, or an invalid Hit.
void paintCells(QPainter& painter, Zoom zoom, const CellColors& colors, const LedSequence& sequence,
                const QRect& dirty, GridGeometry::Hit cursor = {});

} // namespace GridPainter
