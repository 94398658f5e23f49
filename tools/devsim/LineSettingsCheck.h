// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <termios.h>

// What the device needs of the line: 2400 baud both ways, 8 data bits, no
// parity, 1 stop bit, no flow control, and raw bytes (no translation of CR or
// LF, no echo, no line editing), since values 10 and 13 are data too.
namespace LineSettingsCheck {

// One sentence per setting that is wrong; empty when the line is right.
QStringList problems(const termios& settings);

} // namespace LineSettingsCheck
