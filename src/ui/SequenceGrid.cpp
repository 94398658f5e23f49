// SPDX-License-Identifier: MIT
#include "SequenceGrid.h"

#include "LedSequence.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

SequenceGrid::SequenceGrid(LedSequence& sequence, QWidget* parent)
    : QWidget(parent)
    , m_sequence(sequence)
{
    setObjectName(QStringLiteral("SequenceGrid"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    connect(&m_sequence, &LedSequence::cellChanged, this, &SequenceGrid::updateCell);
    resize(sizeHint());
}

QSize SequenceGrid::sizeHint() const
{
    const QRect last =
        GridGeometry::cellRect(LedSequence::LedCount - 1, LedSequence::EventCount - 1);
    return {last.right() + 1, LedSequence::LedCount * GridGeometry::rowPitchPx()};
}

QPoint SequenceGrid::cellCenter(int row, int column) const
{
    return GridGeometry::cellRect(row, column).center();
}

void SequenceGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QColor frame = palette().color(QPalette::Dark);
    const QColor face = palette().color(QPalette::Base);
    const QColor tick = palette().color(QPalette::Text);
    for (int row = 0; row < LedSequence::LedCount; ++row) {
        for (int column = 0; column < LedSequence::EventCount; ++column) {
            const QRect cell = GridGeometry::cellRect(row, column);
            if (!event->rect().intersects(cell))
                continue;
            // A square box in the middle of the cell, like a check box without text.
            const int side = std::min(cell.width(), cell.height()) - 1;
            const QRect box(cell.left(), cell.top() + (cell.height() - side) / 2, side, side);
            painter.fillRect(box, face);
            painter.setPen(frame);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            if (m_sequence.cell(row, column))
                painter.fillRect(box.adjusted(2, 2, -2, -2), tick);
        }
    }
}

GridGeometry::Hit SequenceGrid::hitAt(QPoint position) const
{
    return GridGeometry::hitTest(position, LedSequence::LedCount, LedSequence::EventCount);
}

void SequenceGrid::mousePressEvent(QMouseEvent* event)
{
    m_doubleClicks.notePress(event);
    const GridGeometry::Hit hit = hitAt(event->position().toPoint());
    m_pressed = hit;
    m_dragging = false;
    m_lastPosition = event->position().toPoint();
    if (hit.isValid())
        m_dragStart = hit.column;
}

// The second click of a double-click on a cell toggles it again, like any click;
// one whose first click went to a pop-up list is dropped.
void SequenceGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_doubleClicks.isOwnDoubleClick(event))
        mousePressEvent(event);
    else
        m_pressed = {};
}

void SequenceGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed.isValid() || event->buttons() == Qt::NoButton)
        return;
    const QPoint position = event->position().toPoint();
    if (!m_dragging && hitAt(position) == m_pressed)
        return; // still inside the pressed cell: may yet be a click
    m_dragging = true;
    dragAlong(m_lastPosition, position);
    m_lastPosition = position;
}

void SequenceGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed.isValid())
        return;
    const GridGeometry::Hit hit = hitAt(event->position().toPoint());
    if (m_dragging) {
        dragAlong(m_lastPosition, event->position().toPoint());
        fillOnRelease(hit);
    } else if (hit == m_pressed && event->button() == Qt::LeftButton) {
        m_sequence.setCell(hit.row, hit.column, !m_sequence.cell(hit.row, hit.column));
    }
    m_pressed = {};
    m_dragging = false;
}

// Paints every cell on the straight path between two pointer positions, so a
// fast stroke, whose move events may be far apart, still paints each cell it crossed.
void SequenceGrid::dragAlong(QPoint from, QPoint to)
{
    const int steps = std::max({std::abs(to.x() - from.x()), std::abs(to.y() - from.y()), 1});
    GridGeometry::Hit previous;
    for (int step = 1; step <= steps; ++step) {
        const QPoint point = from + (to - from) * step / steps;
        const GridGeometry::Hit hit = hitAt(point);
        if (hit.isValid() && hit != previous)
            dragOver(hit);
        previous = hit;
    }
}

void SequenceGrid::dragOver(GridGeometry::Hit hit)
{
    // The painting value is read from the row under the pointer, at the start column.
    m_sequence.setCell(hit.row, hit.column, m_sequence.cell(hit.row, m_dragStart));
    m_sequence.refreshReadout(hit.column);
}

void SequenceGrid::fillOnRelease(GridGeometry::Hit hit)
{
    if (!hit.isValid())
        return;
    const int value = m_sequence.cell(hit.row, m_dragStart);
    for (int column = m_dragStart + 1; column <= hit.column; ++column)
        m_sequence.setCell(hit.row, column, value);
}

void SequenceGrid::updateCell(int row, int column)
{
    update(GridGeometry::cellRect(row, column));
}
