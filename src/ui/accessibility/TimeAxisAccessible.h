// SPDX-License-Identifier: MIT
#pragma once

#include "PaintedItemsAccessible.h"

class TimeAxisWidget;

// The time axis as a list of its event labels, named "Event 14" and
// "Event 32, end marker"; pressing a label moves the end marker there.
class TimeAxisAccessible : public PaintedItemsAccessible {
public:
    // Announces the marker's and the keyboard's moves from then on.
    static void attach(TimeAxisWidget* axis);

    explicit TimeAxisAccessible(TimeAxisWidget* axis);

    int itemCount() const override;
    QString itemName(int item) const override;
    QRect itemRect(int item) const override;
    int currentItem() const override;
    void pressItem(int item) override;

private:
    TimeAxisWidget* axis() const;
};
