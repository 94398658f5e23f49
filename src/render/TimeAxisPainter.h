// SPDX-License-Identifier: MIT
#pragma once

#include "Zoom.h"

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

// How the time axis's labels look, in the axis's own coordinates at the zoom
// given: the last
// digit of each event's number, the last event in red and a larger font, the
// event the visual test shows on grey. The axis widget and the animated
// pictures draw them alike.
namespace TimeAxisPainter {

struct Labels {
    int eventCount = 0;
    int marked = -1;      // the last event
    int highlighted = -1; // the event the test shows; -1 for none
};

QString labelText(int event);
QRect labelRect(Zoom zoom, int event, int eventCount);
QColor textColor(const QPalette& palette, const Labels& labels, int event);
qreal pointSize(const Labels& labels, int event);
QColor backgroundColor(const QPalette& palette, const Labels& labels, int event);

void paint(QPainter& painter, Zoom zoom, const QPalette& palette, const Labels& labels,
           const QRect& dirty);

} // namespace TimeAxisPainter
