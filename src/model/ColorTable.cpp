// SPDX-License-Identifier: MIT
#include "ColorTable.h"

#include <QCoreApplication>

namespace ColorTable {

QString colorName(int index)
{
    return isValid(index) ? QString::fromLatin1(Entries[index].name) : QString();
}

QString shownName(int index)
{
    return isValid(index) ? QCoreApplication::translate("ColorTable", Entries[index].name)
                          : QString();
}

std::uint32_t colorValue(int index)
{
    return isValid(index) ? Entries[index].bgr : 0;
}

} // namespace ColorTable
