// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The window was drawn for "MS Sans Serif" and Arial; where those are not
// installed the platform's sans-serif stands in at the same point sizes.
namespace UiFonts {

QFont sansSerif(qreal pointSize, bool bold = false);
QFont arial(qreal pointSize);

} // namespace UiFonts
