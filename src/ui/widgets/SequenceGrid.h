// SPDX-License-Identifier: MIT
#pragma once

#include "DoubleClickGuard.h"
#include "GridGeometry.h"

#include <QWidget>

class SequenceDocument;

// The 4 x 50 grid of on/off cells. It mirrors the document's sequence and
// changes it only through the document's edits.
//
// Mouse gestures: a press and release on one cell without moving toggles it.
// Moving with a button held paints every cell the pointer crosses with the
// value that its own row holds in the column where the press began; on release
// the cells of the release row from that column up to the release column are
// filled the same way, so a quick stroke leaves no gaps. The grid handles the
// whole gesture itself because Qt sends every move of a drag to the pressed
// widget. A stroke is one undo step.
//
// Keyboard: a cursor cell, shown while the grid has the focus. Arrows move it,
// Home/End go to the first/last event of its row, Space toggles it; with Shift
// held, moving paints each cell moved onto by the mouse rule above, the stroke
// starting where Shift went down and ending when it is let go.
class SequenceGrid : public QWidget {
    Q_OBJECT
public:
    explicit SequenceGrid(SequenceDocument& document, QWidget* parent = nullptr);

    // Column where the last press began (reads 0 before any press).
    int dragStart() const { return m_dragStart; }

    SequenceDocument& document() const { return m_document; }

    int cursorRow() const { return m_cursor.row; }
    int cursorColumn() const { return m_cursor.column; }
    void setCursorCell(int row, int column);

    // The zoom the grid is drawn at; the window hands it down.
    Zoom zoom() const { return m_zoom; }
    void setZoom(Zoom zoom);

    QSize sizeHint() const override;
    // Where a cell is, in the grid's coordinates at its zoom.
    QRect cellRect(int row, int column) const;
    // Centre of a cell, in the grid's coordinates; handy for scripted input.
    QPoint cellCenter(int row, int column) const;

signals:
    void cursorMoved(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    GridGeometry::Hit hitAt(QPoint position) const;
    void dragOver(GridGeometry::Hit hit);
    void dragAlong(QPoint from, QPoint to);
    void fillOnRelease(GridGeometry::Hit hit);

    bool moveCursorByKey(int key, bool painting);
    void walkCursorTo(int row, int column, bool painting);
    void startKeyStroke();
    void endKeyStroke();
    void updateCell(int row, int column);

    SequenceDocument& m_document;
    Zoom m_zoom;
    int m_dragStart = 0;
    GridGeometry::Hit m_pressed;
    QPoint m_lastPosition;
    bool m_dragging = false;
    DoubleClickGuard m_doubleClicks;
    GridGeometry::Hit m_cursor{0, 0};
    bool m_keyStroke = false;
    int m_keyStrokeStart = 0;
};
