// SPDX-License-Identifier: MIT
#include "SequenceGrid.h"

#include "GridPainter.h"
#include "PaintStroke.h"
#include "SequenceDocument.h"

#include "ObjectNames.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int LastRow = LedSequence::LedCount - 1;
constexpr int LastColumn = LedSequence::EventCount - 1;

} // namespace

SequenceGrid::SequenceGrid(SequenceDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QLatin1String(ObjectNames::SequenceGrid));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(
        tr("Click a cell to switch it on or off, or drag to paint.\n"
           "Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row's ends.\n"
           "Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes."));
    connect(&document, &SequenceDocument::cellChanged, this, &SequenceGrid::updateCell);
    resize(sizeHint());
}

void SequenceGrid::setZoom(Zoom zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    updateGeometry();
    update();
}

QSize SequenceGrid::sizeHint() const
{
    const QRect last = cellRect(LastRow, LastColumn);
    return {last.right() + 1, LedSequence::LedCount * GridGeometry::rowPitchPx(m_zoom)};
}

QRect SequenceGrid::cellRect(int row, int column) const
{
    return GridGeometry::cellRect(m_zoom, row, column);
}

QPoint SequenceGrid::cellCenter(int row, int column) const
{
    return cellRect(row, column).center();
}

void SequenceGrid::setCursorCell(int row, int column)
{
    row = std::clamp(row, 0, LastRow);
    column = std::clamp(column, 0, LastColumn);
    if (m_cursor == GridGeometry::Hit{row, column})
        return;
    updateCell(m_cursor.row, m_cursor.column);
    m_cursor = {row, column};
    updateCell(row, column);
    emit cursorMoved(row, column);
}

void SequenceGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    GridPainter::paintCells(painter, m_zoom, GridPainter::cellColors(palette()),
                            m_document.sequence(), event->rect(),
                            hasFocus() ? m_cursor : GridGeometry::Hit{});
}

GridGeometry::Hit SequenceGrid::hitAt(QPoint position) const
{
    return GridGeometry::hitTest(m_zoom, position, LedSequence::LedCount, LedSequence::EventCount);
}

void SequenceGrid::mousePressEvent(QMouseEvent* event)
{
    m_doubleClicks.notePress(event);
    endKeyStroke();
    const GridGeometry::Hit hit = hitAt(event->position().toPoint());
    m_pressed = hit;
    m_dragging = false;
    m_lastPosition = event->position().toPoint();
    if (hit.isValid()) {
        m_dragStart = hit.column;
        setCursorCell(hit.row, hit.column);
    }
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
    if (!m_dragging)
        m_document.beginStroke();
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
        m_document.endStroke();
    } else if (hit == m_pressed && event->button() == Qt::LeftButton) {
        m_document.toggleCell(hit.row, hit.column);
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
    const RowOperations::CellWrite write =
        PaintStroke::crossing(m_document.sequence(), hit.row, hit.column, m_dragStart);
    m_document.paintCell(write.led, write.event, write.value);
}

void SequenceGrid::fillOnRelease(GridGeometry::Hit hit)
{
    if (!hit.isValid())
        return;
    for (const RowOperations::CellWrite& write :
         PaintStroke::releaseFill(m_document.sequence(), hit.row, m_dragStart, hit.column))
        m_document.paintCell(write.led, write.event, write.value);
}

void SequenceGrid::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool painting = modifiers == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Space && (modifiers == Qt::NoModifier || painting)) {
        endKeyStroke();
        m_document.toggleCell(m_cursor.row, m_cursor.column);
        return;
    }
    if ((modifiers == Qt::NoModifier || painting) && moveCursorByKey(event->key(), painting))
        return;
    QWidget::keyPressEvent(event);
}

void SequenceGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift)
        endKeyStroke();
    QWidget::keyReleaseEvent(event);
}

bool SequenceGrid::moveCursorByKey(int key, bool painting)
{
    int row = m_cursor.row;
    int column = m_cursor.column;
    switch (key) {
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        column = 0;
        break;
    case Qt::Key_End:
        column = LastColumn;
        break;
    default:
        return false;
    }
    if (painting)
        startKeyStroke();
    else
        endKeyStroke();
    walkCursorTo(std::clamp(row, 0, LastRow), std::clamp(column, 0, LastColumn), painting);
    return true;
}

// Steps one cell at a time, so a stroke from Home to End paints every cell between.
void SequenceGrid::walkCursorTo(int row, int column, bool painting)
{
    while (m_cursor != GridGeometry::Hit{row, column}) {
        const int nextRow = m_cursor.row + (row > m_cursor.row) - (row < m_cursor.row);
        const int nextColumn =
            m_cursor.column + (column > m_cursor.column) - (column < m_cursor.column);
        setCursorCell(nextRow, nextColumn);
        if (painting) {
            const RowOperations::CellWrite write = PaintStroke::crossing(
                m_document.sequence(), m_cursor.row, m_cursor.column, m_keyStrokeStart);
            m_document.paintCell(write.led, write.event, write.value);
        }
    }
}

void SequenceGrid::startKeyStroke()
{
    if (m_keyStroke)
        return;
    m_keyStroke = true;
    m_keyStrokeStart = m_cursor.column;
    m_document.beginStroke();
}

void SequenceGrid::endKeyStroke()
{
    if (!m_keyStroke)
        return;
    m_keyStroke = false;
    m_document.endStroke();
}

void SequenceGrid::focusInEvent(QFocusEvent* event)
{
    updateCell(m_cursor.row, m_cursor.column);
    QWidget::focusInEvent(event);
}

void SequenceGrid::focusOutEvent(QFocusEvent* event)
{
    endKeyStroke();
    updateCell(m_cursor.row, m_cursor.column);
    QWidget::focusOutEvent(event);
}

void SequenceGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void SequenceGrid::updateCell(int row, int column)
{
    update(cellRect(row, column));
}
