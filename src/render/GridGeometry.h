// SPDX-License-Identifier: MIT
#pragma once

#include "Zoom.h"

#include <QPoint>
#include <QRect>

// Where the grid's columns and rows lie. Column i starts 120 twips after
// column i-1; rows are 360 twips apart. A cell is drawn 135 x 195 twips, but
// it answers the mouse over its whole column and row slot so that painting
// with a quick hand does not slip between the tiny boxes.
namespace GridGeometry {

constexpr int FirstColumnLeft = 1920; // twips, in the window
constexpr int ColumnPitch = 120;
constexpr int FirstRowTop = 360;
constexpr int RowPitch = 360;
constexpr int CellWidth = 135;
constexpr int CellHeight = 195;
constexpr int TimeAxisTop = 1920; // twips, in the window, under the last row

// All sizes in pixels are at the zoom given.
inline int columnPitchPx(Zoom zoom)
{
    return zoom.px(ColumnPitch);
}
inline int rowPitchPx(Zoom zoom)
{
    return zoom.px(RowPitch);
}

// Cell (row, column) in coordinates relative to the grid's own top-left
// corner, which sits at the first row's top and the first column's left.
inline QRect cellRect(Zoom zoom, int row, int column)
{
    return QRect(column * columnPitchPx(zoom), row * rowPitchPx(zoom), zoom.px(CellWidth),
                 zoom.px(CellHeight));
}

struct Hit {
    int row = -1;
    int column = -1;
    bool isValid() const { return row >= 0 && column >= 0; }
    bool operator==(const Hit& other) const { return row == other.row && column == other.column; }
    bool operator!=(const Hit& other) const { return !(*this == other); }
};

Hit hitTest(Zoom zoom, QPoint position, int rows, int columns);

} // namespace GridGeometry
