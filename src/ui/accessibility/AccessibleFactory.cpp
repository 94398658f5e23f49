// SPDX-License-Identifier: MIT
#include "AccessibleFactory.h"

#include "GridAccessible.h"
#include "SequenceGrid.h"
#include "TimeAxisAccessible.h"
#include "TimeAxisWidget.h"

#include <QAccessible>

namespace AccessibleFactory {

namespace {

QAccessibleInterface* create(const QString& className, QObject* object)
{
    if (className == QLatin1String("TimeAxisWidget"))
        return new TimeAxisAccessible(static_cast<TimeAxisWidget*>(object));
    if (className == QLatin1String("SequenceGrid"))
        return new GridAccessible(static_cast<SequenceGrid*>(object));
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace AccessibleFactory
