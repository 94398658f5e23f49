// SPDX-License-Identifier: MIT
#pragma once

// The window's layout is drawn up in twips (1/1440 inch); at 96 dots per inch
// 15 twips make one device-independent pixel. Qt scales these for high-DPI.
// A Zoom (Zoom.h) turns them into pixels at the zoom the window is drawn at.
namespace Twips {

constexpr int toPixels(int twips, int percent = 100)
{
    return (twips * percent + 750) / 1500;
}

} // namespace Twips
