// SPDX-License-Identifier: MIT
#include "RowOptionsButton.h"

#include <QKeyEvent>
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

void RowOptionsButton::mousePressEvent(QMouseEvent* event)
{
    m_byKey = false;
    QPushButton::mousePressEvent(event);
}

void RowOptionsButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_byKey = true;
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// A button clicks on the Space key's release.
void RowOptionsButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space)
        m_byKey = true;
    QPushButton::keyReleaseEvent(event);
}
