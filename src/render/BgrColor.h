// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <cstdint>

// Colour numbers are kept blue-green-red (0xBBGGRR, red in the lowest byte).
inline QColor bgrToQColor(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
