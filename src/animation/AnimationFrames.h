// SPDX-License-Identifier: MIT
#pragma once

#include "TestPlayback.h"

#include <QImage>
#include <QPalette>
#include <QRect>

class LedSequence;

// Draws one step of the visual test as a picture, with the window's own
// painting code. A picture as wide as the window's lamps, grid and time axis
// (or wider) shows them as the window does, at the largest zoom that fits;
// a narrower one shows only the four lamps, side by side.
class AnimationFrames {
public:
    // The width of the lamps, grid and time axis at 100%, margins included.
    static int windowWidth();

    // width: of the picture in pixels; 0 for windowWidth(). palette: the
    // window's, which the painting code takes its colours from.
    AnimationFrames(int width, const QPalette& palette);

    QSize size() const { return m_size; }
    bool showsGrid() const { return m_zoom > 0; }
    // Where a lamp is drawn in the picture.
    QRect lampRect(int led) const;

    QImage draw(const LedSequence& sequence, int event,
                const TestPlayback::LampColors& lamps) const;

private:
    void drawWindowPart(QPainter& painter, const LedSequence& sequence, int event) const;

    QSize m_size;
    int m_zoom = 0; // percent; 0: lamps only
    QPalette m_palette;
};
