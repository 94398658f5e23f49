// SPDX-License-Identifier: MIT
#include "LampWidget.h"

#include "PaletteTones.h"

#include <QPainter>

LampWidget::LampWidget(QWidget* parent)
    : QWidget(parent)
{
}

void LampWidget::setFillColor(const QColor& color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    update();
}

void LampWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(PaletteTones::lampRing(palette()), 1));
    painter.setBrush(m_fill);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
