// SPDX-License-Identifier: MIT
#include "DoubleClickGuard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

void DoubleClickGuard::notePress(const QMouseEvent* event)
{
    m_lastPress = event->timestamp();
    m_pressed = true;
}

bool DoubleClickGuard::isOwnDoubleClick(const QMouseEvent* event) const
{
    const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return m_pressed && event->timestamp() >= m_lastPress
           && event->timestamp() - m_lastPress <= interval;
}
