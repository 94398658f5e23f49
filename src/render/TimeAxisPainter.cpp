// SPDX-License-Identifier: MIT
#include "TimeAxisPainter.h"

#include "GridGeometry.h"
#include "PaletteTones.h"
#include "UiFonts.h"

#include <QPainter>

#include <array>

namespace TimeAxisPainter {

namespace {

constexpr int LabelHeight = 255; // twips
constexpr qreal NormalPointSize = 6;
constexpr qreal MarkedPointSize = 8;
const QColor HighlightColor(128, 128, 128);

// A single digit centred by hand: much cheaper than laying out text in a box,
// and the large marked digit may spill into its neighbours' margins.
void drawDigit(QPainter& painter, const QRect& rect, const QString& digit, qreal advance,
               qreal ascent)
{
    const qreal left = rect.left() + (rect.width() - advance) / 2;
    painter.drawText(QPointF(left, rect.top() + ascent), digit);
}

} // namespace

QString labelText(int event)
{
    return QString::number((event + 1) % 10);
}

QRect labelRect(Zoom zoom, int event, int eventCount)
{
    if (event < 0 || event >= eventCount)
        return {};
    const QRect cell = GridGeometry::cellRect(zoom, 0, event);
    return {cell.left(), 0, cell.width(), zoom.px(LabelHeight)};
}

QColor textColor(const QPalette& palette, const Labels& labels, int event)
{
    return event == labels.marked ? PaletteTones::endMarker(palette)
                                  : PaletteTones::axisDigit(palette);
}

qreal pointSize(const Labels& labels, int event)
{
    return event == labels.marked ? MarkedPointSize : NormalPointSize;
}

QColor backgroundColor(const QPalette& palette, const Labels& labels, int event)
{
    return event == labels.highlighted ? HighlightColor : palette.color(QPalette::Button);
}

void paint(QPainter& painter, Zoom zoom, const QPalette& palette, const Labels& labels,
           const QRect& dirty)
{
    for (int event = 0; event < labels.eventCount; ++event) {
        const QRect rect = labelRect(zoom, event, labels.eventCount);
        if (rect.intersects(dirty))
            painter.fillRect(rect, backgroundColor(palette, labels, event));
    }
    // Unmarked labels first, then the marked one: two font changes per paint.
    painter.setFont(UiFonts::arial(zoom.points(NormalPointSize)));
    painter.setPen(PaletteTones::axisDigit(palette));
    const QFontMetricsF normal(painter.font());
    // The labels are the ten digits over and over: each is measured once.
    std::array<qreal, 10> advances;
    advances.fill(-1);
    for (int event = 0; event < labels.eventCount; ++event) {
        const QRect rect = labelRect(zoom, event, labels.eventCount);
        if (event == labels.marked || !rect.intersects(dirty))
            continue;
        const QString digit = labelText(event);
        qreal& advance = advances[(event + 1) % 10];
        if (advance < 0)
            advance = normal.horizontalAdvance(digit);
        drawDigit(painter, rect, digit, advance, normal.ascent());
    }
    const QRect markedRect = labelRect(zoom, labels.marked, labels.eventCount);
    if (markedRect.intersects(dirty)) {
        painter.setFont(UiFonts::arial(zoom.points(MarkedPointSize)));
        painter.setPen(textColor(palette, labels, labels.marked));
        const QFontMetricsF marked(painter.font());
        const QString digit = labelText(labels.marked);
        drawDigit(painter, markedRect, digit, marked.horizontalAdvance(digit), marked.ascent());
    }
}

} // namespace TimeAxisPainter
