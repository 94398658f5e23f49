// SPDX-License-Identifier: MIT
#include "GridAccessible.h"

#include "SequenceDocument.h"
#include "SequenceGrid.h"

#include <QCoreApplication>

namespace {

constexpr int Events = LedSequence::EventCount;

} // namespace

void GridAccessible::attach(SequenceGrid* grid)
{
    QObject::connect(&grid->document(), &SequenceDocument::cellChanged, grid,
                     [grid](int led, int event) {
                         QAccessible::State changed;
                         changed.checked = true;
                         notifyItemChanged(grid, itemOf(led, event), changed);
                     });
    QObject::connect(grid, &SequenceGrid::cursorMoved, grid,
                     [grid](int row, int column) { notifyCurrentItem(grid, itemOf(row, column)); });
}

GridAccessible::GridAccessible(SequenceGrid* grid)
    : PaintedItemsAccessible(grid, QAccessible::Table, QAccessible::Cell)
    , m_document(grid->document())
{
}

SequenceGrid* GridAccessible::grid() const
{
    return static_cast<SequenceGrid*>(widget());
}

int GridAccessible::itemOf(int led, int event)
{
    return led * Events + event;
}

int GridAccessible::itemCount() const
{
    return LedSequence::LedCount * Events;
}

QString GridAccessible::itemName(int item) const
{
    const int led = item / Events;
    const int event = item % Events;
    const bool lit = m_document.sequence().cell(led, event);
    //: A cell of the grid as a screen reader names it; %3 is on or off
    return QCoreApplication::translate("GridAccessible", "LED#%1, event %2, %3")
        .arg(led + 1)
        .arg(event + 1)
        .arg(lit ? QCoreApplication::translate("GridAccessible", "on")
                 : QCoreApplication::translate("GridAccessible", "off"));
}

QRect GridAccessible::itemRect(int item) const
{
    return grid()->cellRect(item / Events, item % Events);
}

QAccessible::State GridAccessible::itemState(int item) const
{
    QAccessible::State state = PaintedItemsAccessible::itemState(item);
    state.checkable = true;
    state.checked = m_document.sequence().cell(item / Events, item % Events) != 0;
    return state;
}

int GridAccessible::currentItem() const
{
    return itemOf(grid()->cursorRow(), grid()->cursorColumn());
}

void GridAccessible::pressItem(int item)
{
    m_document.toggleCell(item / Events, item % Events);
}
