// SPDX-License-Identifier: MIT
#include "RowOptionsButton.h"

#include <QPainter>
#include <QPainterPath>

void RowOptionsButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath arrow;
    arrow.moveTo(area.left(), area.top());
    arrow.lineTo(area.right(), area.center().y());
    arrow.lineTo(area.left(), area.bottom());
    arrow.closeSubpath();
    painter.fillPath(arrow, palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                            QPalette::ButtonText));
}
