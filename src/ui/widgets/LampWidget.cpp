// SPDX-License-Identifier: MIT
#include "LampWidget.h"

#include "LampPainter.h"
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
    LampPainter::paint(painter, rect(), m_fill, PaletteTones::lampRing(palette()));
}
