// SPDX-License-Identifier: MIT
#pragma once

#include "Zoom.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

// Remembers where each control of a window goes, in twips, and the font it
// has at 100%, so the whole window can be laid out again at another zoom.
class TwipsLayout {
public:
    // A height of 0 keeps the widget's own height (drop-down lists size to their font).
    void place(QWidget* widget, QRect twips);
    // Only the position: the widget sizes itself from its size hint (grid, time axis).
    void placeAt(QWidget* widget, QPoint twips);
    void setFont(QWidget* widget, const QFont& font);

    // At this zoom: sizes fonts first, then geometry, as sizes may follow the
    // fonts; a one-line caption that would not fit is set a little smaller.
    void apply(Zoom zoom) const;

private:
    bool hasOwnFont(const QWidget* widget) const;

    struct Placement {
        QPointer<QWidget> widget;
        QRect twips;
        bool sizesItself = false;
    };
    struct FontChoice {
        QPointer<QWidget> widget;
        QFont font;
    };
    std::vector<Placement> m_placements;
    std::vector<FontChoice> m_fonts;
};
