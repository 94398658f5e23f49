// SPDX-License-Identifier: MIT
#include "ServoControl.h"

#include <QCoreApplication>

namespace ServoControl {

namespace {

const char* const OffText = QT_TRANSLATE_NOOP("ServoControl", "OFF");
const char* const NoneText = QT_TRANSLATE_NOOP("ServoControl", "NONE");

} // namespace

QString entryText(int mode)
{
    if (mode == Off)
        return QLatin1String(OffText);
    if (mode == None)
        return QLatin1String(NoneText);
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

QStringList shownEntries()
{
    QStringList list = entries();
    list[Off] = QCoreApplication::translate("ServoControl", OffText);
    list[None] = QCoreApplication::translate("ServoControl", NoneText);
    return list;
}

} // namespace ServoControl
