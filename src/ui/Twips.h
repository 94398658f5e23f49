// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// The window's layout is drawn up in twips (1/1440 inch); at 96 dots per inch
// 15 twips make one device-independent pixel. Qt scales these for high-DPI.
namespace Twips {

constexpr int toPixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
