// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QMouseEvent;

// Tells whether a double-click really began on this widget. When a pop-up list
// closes on the first click of a double-click, Qt hands the second click to the
// widget underneath as a double-click; that one must not act.
class DoubleClickGuard {
public:
    void notePress(const QMouseEvent* event);
    bool isOwnDoubleClick(const QMouseEvent* event) const;

private:
    quint64 m_lastPress = 0;
    bool m_pressed = false;
};
