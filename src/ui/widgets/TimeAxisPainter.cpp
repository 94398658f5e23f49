// SPDX-License-Identifier: MIT
#include "TimeAxisPainter.h"

#include "GridGeometry.h"
#include "PaletteTones.h"
#include "UiFonts.h"

#include <QPainter>

namespace TimeAxisPainter {

namespace {

constexpr int LabelHeight = 255; // twips
constexpr qreal NormalPointSize = 6;
constexpr qreal MarkedPointSize = 8;
const QColor HighlightColor(128, 128, 128);

void drawLabel(QPainter& painter, const QFontMetricsF& metrics, const Labels& labels, int event,
               const QRect& dirty)
{
    const QRect rect = labelRect(event, labels.eventCount);
    if (!rect.intersects(dirty))
        return;
    // A single digit centred by hand: much cheaper than laying out text in a box,
    // and the large marked digit may spill into its neighbours' margins.
    const QString digit = labelText(event);
    const qreal left = rect.left() + (rect.width() - metrics.horizontalAdvance(digit)) / 2;
    painter.drawText(QPointF(left, rect.top() + metrics.ascent()), digit);
}

} // namespace

QString labelText(int event)
{
    return QString::number((event + 1) % 10);
}

QRect labelRect(int event, int eventCount)
{
    if (event < 0 || event >= eventCount)
        return {};
    const QRect cell = GridGeometry::cellRect(0, event);
    return {cell.left(), 0, cell.width(), Twips::scaled(LabelHeight)};
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

void paint(QPainter& painter, const QPalette& palette, const Labels& labels, const QRect& dirty)
{
    for (int event = 0; event < labels.eventCount; ++event) {
        const QRect rect = labelRect(event, labels.eventCount);
        if (rect.intersects(dirty))
            painter.fillRect(rect, backgroundColor(palette, labels, event));
    }
    // Unmarked labels first, then the marked one: two font changes per paint.
    painter.setFont(UiFonts::arial(Twips::scaledPoints(NormalPointSize)));
    painter.setPen(PaletteTones::axisDigit(palette));
    const QFontMetricsF normal(painter.font());
    for (int event = 0; event < labels.eventCount; ++event)
        if (event != labels.marked)
            drawLabel(painter, normal, labels, event, dirty);
    if (labels.marked >= 0 && labels.marked < labels.eventCount) {
        painter.setFont(UiFonts::arial(Twips::scaledPoints(MarkedPointSize)));
        painter.setPen(textColor(palette, labels, labels.marked));
        drawLabel(painter, QFontMetricsF(painter.font()), labels, labels.marked, dirty);
    }
}

} // namespace TimeAxisPainter
