// SPDX-License-Identifier: MIT
#pragma once

#include "PaintedItemsAccessible.h"

class SequenceDocument;
class SequenceGrid;

// The grid as 200 cells for assistive tools, named like "LED#2, event 14, on"
// (events counted from 1, as the time axis counts them), checked when lit; the
// cursor cell is the focused child, and pressing a cell toggles it.
class GridAccessible : public PaintedItemsAccessible {
public:
    // Announces the grid's cell changes and cursor moves from then on.
    static void attach(SequenceGrid* grid);

    explicit GridAccessible(SequenceGrid* grid);

    int itemCount() const override;
    QString itemName(int item) const override;
    QRect itemRect(int item) const override;
    QAccessible::State itemState(int item) const override;
    int currentItem() const override;
    void pressItem(int item) override;

    static int itemOf(int led, int event);

private:
    SequenceGrid* grid() const;
    SequenceDocument& m_document;
};
