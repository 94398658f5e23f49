// SPDX-License-Identifier: MIT
#include "TimeAxisWidget.h"

#include "GridGeometry.h"

#include "ObjectNames.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TimeAxisPainter::Labels TimeAxisWidget::labels() const
{
    return {m_eventCount, m_marked, m_highlighted};
}

TimeAxisWidget::TimeAxisWidget(int eventCount, QWidget* parent)
    : QWidget(parent)
    , m_eventCount(eventCount)
{
    setObjectName(QLatin1String(ObjectNames::TimeAxis));
    setFocusPolicy(Qt::TabFocus);
    resize(sizeHint());
}

QString TimeAxisWidget::labelText(int event)
{
    return TimeAxisPainter::labelText(event);
}

void TimeAxisWidget::setZoom(Zoom zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    updateGeometry();
    update();
}

void TimeAxisWidget::setMarkedEvent(int event)
{
    const int previous = m_marked;
    moveTo(m_marked, event);
    emit markedEventChanged(previous, m_marked);
}

void TimeAxisWidget::setHighlightedEvent(int event)
{
    moveTo(m_highlighted, event);
}

// Moves a one-label state (the mark or the highlight) and repaints both labels.
void TimeAxisWidget::moveTo(int& slot, int event)
{
    if (event == slot)
        return;
    update(labelRect(slot));
    slot = event;
    update(labelRect(event));
}

QColor TimeAxisWidget::textColor(int event) const
{
    return TimeAxisPainter::textColor(palette(), labels(), event);
}

qreal TimeAxisWidget::pointSize(int event) const
{
    return TimeAxisPainter::pointSize(labels(), event);
}

QColor TimeAxisWidget::backgroundColor(int event) const
{
    return TimeAxisPainter::backgroundColor(palette(), labels(), event);
}

QRect TimeAxisWidget::labelRect(int event) const
{
    return TimeAxisPainter::labelRect(m_zoom, event, m_eventCount);
}

QPoint TimeAxisWidget::labelCenter(int event) const
{
    return labelRect(event).center();
}

int TimeAxisWidget::eventAt(QPoint position) const
{
    if (position.x() < 0 || position.y() < 0 || position.y() >= height())
        return -1;
    const int event = position.x() / GridGeometry::columnPitchPx(m_zoom);
    return event < m_eventCount ? event : -1;
}

QSize TimeAxisWidget::sizeHint() const
{
    const QRect last = labelRect(m_eventCount - 1);
    return {last.right() + 1, last.height()};
}

void TimeAxisWidget::paintEvent(QPaintEvent* paintEvent)
{
    QPainter painter(this);
    TimeAxisPainter::paint(painter, m_zoom, palette(), labels(), paintEvent->rect());
    if (hasFocus() && labelRect(m_focused).intersects(paintEvent->rect())) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(labelRect(m_focused).adjusted(0, 0, -1, -1));
    }
}

void TimeAxisWidget::mousePressEvent(QMouseEvent* event)
{
    m_doubleClicks.notePress(event);
}

void TimeAxisWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_doubleClicks.isOwnDoubleClick(event))
        return;
    const int index = eventAt(event->position().toPoint());
    if (index >= 0)
        emit doubleClicked(index);
}

void TimeAxisWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        focusLabel(std::max(m_focused - 1, 0));
        break;
    case Qt::Key_Right:
        focusLabel(std::min(m_focused + 1, m_eventCount - 1));
        break;
    case Qt::Key_Home:
        focusLabel(0);
        break;
    case Qt::Key_End:
        focusLabel(m_eventCount - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit doubleClicked(m_focused);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TimeAxisWidget::focusInEvent(QFocusEvent* event)
{
    // Tabbing in, the keyboard starts where the end marker is.
    const bool tabbedIn =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (m_focused < 0 || tabbedIn)
        m_focused = m_marked >= 0 ? m_marked : 0;
    update(labelRect(m_focused));
    emit focusedEventChanged(m_focused);
    QWidget::focusInEvent(event);
}

void TimeAxisWidget::focusOutEvent(QFocusEvent* event)
{
    update(labelRect(m_focused));
    QWidget::focusOutEvent(event);
}

void TimeAxisWidget::focusLabel(int event)
{
    if (event == m_focused)
        return;
    moveTo(m_focused, event);
    emit focusedEventChanged(m_focused);
}
