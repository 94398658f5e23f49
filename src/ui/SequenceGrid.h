// SPDX-License-Identifier: MIT
#pragma once

#include "DoubleClickGuard.h"
#include "GridGeometry.h"

#include <QWidget>

class LedSequence;

// The 4 x 50 grid of on/off cells. It mirrors the sequence and edits it only
// through LedSequence::setCell.
//
// Mouse gestures: a press and release on one cell without moving toggles it.
// Moving with a button held paints every cell the pointer crosses with the
// value that its own row holds in the column where the press began; on release
// the cells of the release row from that column up to the release column are
// filled the same way, so a quick stroke leaves no gaps. The grid handles the
// whole gesture itself because Qt sends every move of a drag to the pressed
// widget.
class SequenceGrid : public QWidget {
    Q_OBJECT
public:
    explicit SequenceGrid(LedSequence& sequence, QWidget* parent = nullptr);

    // Column where the last press began (reads 0 before any press).
    int dragStart() const { return m_dragStart; }

    QSize sizeHint() const override;
    // Centre of a cell, in the grid's coordinates; handy for scripted input.
    QPoint cellCenter(int row, int column) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    GridGeometry::Hit hitAt(QPoint position) const;
    void dragOver(GridGeometry::Hit hit);
    void dragAlong(QPoint from, QPoint to);
    void fillOnRelease(GridGeometry::Hit hit);
    void updateCell(int row, int column);

    LedSequence& m_sequence;
    int m_dragStart = 0;
    GridGeometry::Hit m_pressed;
    QPoint m_lastPosition;
    bool m_dragging = false;
    DoubleClickGuard m_doubleClicks;
};
