// SPDX-License-Identifier: MIT
#include "GridPainter.h"

#include "LedSequence.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>

namespace GridPainter {

namespace {

bool contrasts(const QColor& a, const QColor& b)
{
    return std::abs(a.lightness() - b.lightness()) >= 64;
}

// Two thirds of the way from one colour to the other.
QColor towards(const QColor& from, const QColor& to)
{
    auto mix = [](int a, int b) { return (a + 2 * b) / 3; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

void paintCell(QPainter& painter, const CellColors& colors, const QRect& cell, bool lit,
               bool cursor)
{
    // A square box in the middle of the cell, like a check box without text.
    const int side = std::min(cell.width(), cell.height()) - 1;
    const QRect box(cell.left(), cell.top() + (cell.height() - side) / 2, side, side);
    painter.fillRect(box, colors.face);
    painter.setPen(colors.frame);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    const int inset = std::max(2, side / 4);
    if (lit)
        painter.fillRect(box.adjusted(inset, inset, -inset, -inset), colors.lit);
    if (cursor) {
        // A thick frame in the highlight colour, and a bar under the box, so
        // the cursor shows on lit and dark cells alike.
        const int pen = std::max(2, side / 6);
        painter.setPen(QPen(colors.cursor, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const qreal half = pen / 2.0;
        painter.drawRect(QRectF(box).adjusted(half, half, -half, -half));
        const int below = std::min(box.bottom() + 2, cell.bottom() - pen + 1);
        painter.fillRect(QRect(box.left(), below, box.width(), pen), colors.cursor);
    }
}

} // namespace

// Outlines come from the palette, but must stand out from the cell face under
// any theme (a dark palette's Dark is nearly its Base).
CellColors cellColors(const QPalette& palette)
{
    const QColor face = palette.color(QPalette::Base);
    const QColor lit = palette.color(QPalette::Text);
    QColor frame = palette.color(QPalette::Dark);
    if (!contrasts(frame, face))
        frame = towards(face, lit);
    return {frame, face, lit, palette.color(QPalette::Highlight)};
}

void paintCells(QPainter& painter, Zoom zoom, const CellColors& colors, const LedSequence& sequence,
                const QRect& dirty, GridGeometry::Hit cursor)
{
    for (int row = 0; row < LedSequence::LedCount; ++row) {
        for (int column = 0; column < LedSequence::EventCount; ++column) {
            const QRect cell = GridGeometry::cellRect(zoom, row, column);
            if (dirty.intersects(cell))
                paintCell(painter, colors, cell, sequence.cell(row, column) != 0,
                          cursor == GridGeometry::Hit{row, column});
        }
    }
}

} // namespace GridPainter
