// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

// Colours that stay readable whatever palette the desktop (or the user) picks.
// Under a light palette they are the window's own fixed colours; under a dark
// one they are lightened so they still stand out from the dark background.
namespace PaletteTones {

bool isDark(const QPalette& palette);

// The time axis: its digits, and the red digit marking the last event.
QColor axisDigit(const QPalette& palette);
QColor endMarker(const QPalette& palette);

// The blue number of the servo readout.
QColor readoutNumber(const QPalette& palette);

// The ring around a lamp, visible also around a black (dark) lamp.
QColor lampRing(const QPalette& palette);

} // namespace PaletteTones
