// SPDX-License-Identifier: MIT
#include "LampPainter.h"

#include <QPainter>

namespace LampPainter {

void paint(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& ring)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ring, 1));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace LampPainter
