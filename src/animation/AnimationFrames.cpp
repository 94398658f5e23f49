// SPDX-License-Identifier: MIT
#include "AnimationFrames.h"

#include "BgrColor.h"
#include "GridPainter.h"
#include "LampPainter.h"
#include "PaletteTones.h"
#include "TimeAxisPainter.h"
#include "Zoom.h"

#include <QPainter>

#include <algorithm>

namespace {

// The part of the window drawn, in twips: from the lamps to the grid's last
// column, from the first row to the time axis, with a margin all round.
constexpr int Margin = 120;
constexpr int PartLeft = LampPainter::WindowLeft - Margin;
constexpr int PartTop = GridGeometry::FirstRowTop - Margin;
constexpr int PartRight = GridGeometry::FirstColumnLeft
                          + (LedSequence::EventCount - 1) * GridGeometry::ColumnPitch
                          + GridGeometry::CellWidth + Margin;
constexpr int TimeAxisHeight = 255;
constexpr int PartBottom = GridGeometry::TimeAxisTop + TimeAxisHeight + Margin;

int partWidth(Zoom zoom)
{
    return zoom.px(PartRight) - zoom.px(PartLeft);
}

int partHeight(Zoom zoom)
{
    return zoom.px(PartBottom) - zoom.px(PartTop);
}

// The largest zoom step at which the part fits; 0 when none does.
int zoomFitting(int width)
{
    int fitting = 0;
    for (int percent : Zoom::Steps)
        if (partWidth(Zoom(percent)) <= width)
            fitting = percent;
    return fitting;
}

QRect windowLampRect(Zoom zoom, int led)
{
    const int top = GridGeometry::FirstRowTop + led * GridGeometry::RowPitch;
    return QRect(zoom.px(LampPainter::WindowLeft), zoom.px(top), zoom.px(LampPainter::Side),
                 zoom.px(LampPainter::Side));
}

} // namespace

int AnimationFrames::windowWidth()
{
    return partWidth(Zoom());
}

AnimationFrames::AnimationFrames(int width, const QPalette& palette)
    : m_zoom(zoomFitting(width > 0 ? width : windowWidth()))
    , m_palette(palette)
{
    if (width <= 0)
        width = windowWidth();
    m_size =
        m_zoom > 0 ? QSize(width, partHeight(Zoom(m_zoom))) : QSize(width, std::max(1, width / 4));
}

QRect AnimationFrames::lampRect(int led) const
{
    if (m_zoom > 0) {
        const Zoom zoom(m_zoom);
        const int centring = (m_size.width() - partWidth(zoom)) / 2;
        return windowLampRect(zoom, led).translated(centring - zoom.px(PartLeft),
                                                    -zoom.px(PartTop));
    }
    const int pitch = m_size.width() / LedSequence::LedCount;
    const int side = std::max(1, pitch * 3 / 4);
    return QRect(led * pitch + (pitch - side) / 2, (m_size.height() - side) / 2, side, side);
}

QImage AnimationFrames::draw(const LedSequence& sequence, int event,
                             const TestPlayback::LampColors& lamps) const
{
    QImage image(m_size, QImage::Format_RGB32);
    image.fill(m_palette.color(QPalette::Window));
    QPainter painter(&image);
    const QColor ring = PaletteTones::lampRing(m_palette);
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        painter.save();
        LampPainter::paint(painter, lampRect(led), bgrToQColor(lamps[led]), ring);
        painter.restore();
    }
    if (m_zoom > 0)
        drawWindowPart(painter, sequence, event);
    return image;
}

// The grid and the time axis where the window has them, the event highlighted.
void AnimationFrames::drawWindowPart(QPainter& painter, const LedSequence& sequence,
                                     int event) const
{
    const Zoom zoom(m_zoom);
    const int centring = (m_size.width() - partWidth(zoom)) / 2;
    const QPoint origin(centring - zoom.px(PartLeft), -zoom.px(PartTop));
    const int left = zoom.px(GridGeometry::FirstColumnLeft);
    const QRect everything(QPoint(0, 0), m_size * 4);

    painter.save();
    painter.translate(origin + QPoint(left, zoom.px(GridGeometry::FirstRowTop)));
    GridPainter::paintCells(painter, zoom, GridPainter::cellColors(m_palette), sequence,
                            everything);
    painter.restore();

    painter.save();
    painter.translate(origin + QPoint(left, zoom.px(GridGeometry::TimeAxisTop)));
    TimeAxisPainter::paint(painter, zoom, m_palette,
                           {LedSequence::EventCount, sequence.lastEvent(), event}, everything);
    painter.restore();
}
