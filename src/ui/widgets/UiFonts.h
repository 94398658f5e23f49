// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The window was drawn for "MS Sans Serif" and Arial; where those are not
// installed the platform's sans-serif stands in at the same point sizes.
namespace UiFonts {

QFont sansSerif(qreal pointSize, bool bold = false);
QFont arial(qreal pointSize);

// Sets the application's font to the desktop's at this zoom, so that what the
// window's own layout does not size (menus, message boxes, file dialogs,
// tooltips) grows with it. 100 gives the desktop's font back.
void followZoom(int percent);

} // namespace UiFonts
