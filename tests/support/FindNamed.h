// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// The descendant of `root` that tests know by this object name. A control a test
// reaches for but the window lacks ends the run at once, naming what is missing.
template <typename T> T* findNamed(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(root.objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
}
