// SPDX-License-Identifier: MIT
#include "ServoControl.h"

namespace ServoControl {

QString entryText(int mode)
{
    if (mode == Off)
        return QStringLiteral("OFF");
    if (mode == None)
        return QStringLiteral("NONE");
    if (!isValid(mode))
        return {};
    QString text = QStringLiteral("|");
    for (int zone = 0; zone < 4; ++zone) {
        if (zone > 0)
            text += QLatin1Char(' ');
        text += (mode & (1 << zone)) ? QLatin1Char('*') : QLatin1Char('-');
    }
    return text + QLatin1Char('|');
}

QStringList entries()
{
    QStringList list;
    for (int mode = 0; mode < Count; ++mode)
        list << entryText(mode);
    return list;
}

} // namespace ServoControl
