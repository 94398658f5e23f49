// SPDX-License-Identifier: MIT
#include "TimeAxisAccessible.h"

#include "TimeAxisWidget.h"

#include <QCoreApplication>

void TimeAxisAccessible::attach(TimeAxisWidget* axis)
{
    // The marked label's name says so.
    QObject::connect(axis, &TimeAxisWidget::markedEventChanged, axis,
                     [axis](int previous, int current) {
                         for (int label : {previous, current})
                             notifyItemChanged(axis, label, {});
                     });
    QObject::connect(axis, &TimeAxisWidget::focusedEventChanged, axis,
                     [axis](int event) { notifyCurrentItem(axis, event); });
}

TimeAxisAccessible::TimeAxisAccessible(TimeAxisWidget* axis)
    : PaintedItemsAccessible(axis, QAccessible::List, QAccessible::ListItem)
{
}

TimeAxisWidget* TimeAxisAccessible::axis() const
{
    return static_cast<TimeAxisWidget*>(widget());
}

int TimeAxisAccessible::itemCount() const
{
    return axis()->eventCount();
}

QString TimeAxisAccessible::itemName(int item) const
{
    // Events are counted from 1, as the digits on the axis count them.
    const QString name =
        QCoreApplication::translate("TimeAxisAccessible", "Event %1").arg(item + 1);
    return item == axis()->markedEvent()
               ? name + QCoreApplication::translate("TimeAxisAccessible", ", end marker")
               : name;
}

QRect TimeAxisAccessible::itemRect(int item) const
{
    return axis()->labelRect(item);
}

int TimeAxisAccessible::currentItem() const
{
    const int focused = axis()->focusedEvent();
    return focused >= 0 ? focused : axis()->markedEvent();
}

void TimeAxisAccessible::pressItem(int item)
{
    emit axis()->doubleClicked(item);
}
