// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

#include <map>

// Exposes the parts a widget paints itself (grid cells, time-axis labels) to
// assistive tools as child items: each with a name, a state and a place on
// screen; the widget's current part is the focused child. Subclasses say what
// the parts are; the items are made when first asked for and live as long as
// the widget's interface.
class PaintedItemsAccessible : public QAccessibleWidget {
public:
    PaintedItemsAccessible(QWidget* widget, QAccessible::Role role, QAccessible::Role itemRole);
    ~PaintedItemsAccessible() override;

    virtual int itemCount() const = 0;
    virtual QString itemName(int item) const = 0;
    virtual QString itemDescription(int item) const;
    // In the widget's coordinates.
    virtual QRect itemRect(int item) const = 0;
    virtual QAccessible::State itemState(int item) const;
    // The widget's current part, or -1.
    virtual int currentItem() const = 0;
    // What the item's press action does (nothing by default).
    virtual void pressItem(int item);

    QAccessible::Role itemRole() const { return m_itemRole; }
    QWidget* paintedWidget() const { return widget(); }

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Tell assistive tools that the current part moved, or that a part's state
    // or name changed.
    static void notifyCurrentItem(QWidget* widget, int item);
    static void notifyItemChanged(QWidget* widget, int item, QAccessible::State changed);

private:
    QAccessible::Role m_itemRole;
    mutable std::map<int, QAccessible::Id> m_items;
};
