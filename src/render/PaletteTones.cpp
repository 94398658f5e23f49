// SPDX-License-Identifier: MIT
#include "PaletteTones.h"

namespace PaletteTones {

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor axisDigit(const QPalette& palette)
{
    return isDark(palette) ? palette.color(QPalette::ButtonText) : QColor(Qt::black);
}

QColor endMarker(const QPalette& palette)
{
    return isDark(palette) ? QColor(255, 110, 110) : QColor(Qt::red);
}

QColor readoutNumber(const QPalette& palette)
{
    return isDark(palette) ? QColor(120, 170, 255) : QColor(0, 0, 255);
}

QColor lampRing(const QPalette& palette)
{
    return isDark(palette) ? QColor(176, 176, 176) : palette.color(QPalette::Dark);
}

} // namespace PaletteTones
