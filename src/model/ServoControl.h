// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The sixteen servo-control choices of an LED. A choice is a 4-bit mask of the
// servo-stick zones in which the LED follows its cells: 0 is "OFF", 15 "NONE"
// (the LED ignores the servo signal), 1..14 draw the mask as "|* - - -|"
// with the lowest stick zone leftmost.
namespace ServoControl {

constexpr int Count = 16;
constexpr int Off = 0;
constexpr int None = 15;

constexpr bool isValid(int mode)
{
    return mode >= 0 && mode < Count;
}

// An LED is servo-controlled when it does not simply ignore the stick ("OFF" counts).
constexpr bool isServoControlled(int mode)
{
    return mode < None;
}

// English, as reports and other tools show them.
QString entryText(int mode);
QStringList entries();
// The list's entries in the user's language (OFF and NONE are words), for the window.
QStringList shownEntries();

} // namespace ServoControl
