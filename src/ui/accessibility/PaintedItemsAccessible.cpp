// SPDX-License-Identifier: MIT
#include "PaintedItemsAccessible.h"

#include <QWidget>

namespace {

// One painted part. It keeps only its index; everything else is asked of the
// widget's interface, so it never shows stale text.
class PaintedItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PaintedItem(PaintedItemsAccessible* owner, int index)
        : m_owner(owner)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_owner->isValid() && m_index < m_owner->itemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner->window(); }
    QAccessibleInterface* parent() const override { return m_owner; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return m_owner->itemName(m_index);
        case QAccessible::Description:
            return m_owner->itemDescription(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const QRect local = m_owner->itemRect(m_index);
        const QWidget* widget = m_owner->paintedWidget();
        return QRect(widget->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return m_owner->itemRole(); }
    QAccessible::State state() const override { return m_owner->itemState(m_index); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            m_owner->pressItem(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PaintedItemsAccessible* m_owner;
    int m_index;
};

} // namespace

PaintedItemsAccessible::PaintedItemsAccessible(QWidget* widget, QAccessible::Role role,
                                               QAccessible::Role itemRole)
    : QAccessibleWidget(widget, role)
    , m_itemRole(itemRole)
{
}

PaintedItemsAccessible::~PaintedItemsAccessible()
{
    for (const auto& [index, id] : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

QString PaintedItemsAccessible::itemDescription(int) const
{
    return {};
}

QAccessible::State PaintedItemsAccessible::itemState(int item) const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    const bool current = item == currentItem();
    state.focused = current && widget()->hasFocus();
    state.selected = current;
    state.invisible = !widget()->isVisible();
    return state;
}

void PaintedItemsAccessible::pressItem(int) {}

int PaintedItemsAccessible::childCount() const
{
    return itemCount();
}

QAccessibleInterface* PaintedItemsAccessible::child(int index) const
{
    if (index < 0 || index >= itemCount())
        return nullptr;
    auto found = m_items.find(index);
    if (found == m_items.end()) {
        auto* item = new PaintedItem(const_cast<PaintedItemsAccessible*>(this), index);
        found = m_items.emplace(index, QAccessible::registerAccessibleInterface(item)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int PaintedItemsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->parent() != this)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    for (const auto& [index, itemId] : m_items)
        if (itemId == id)
            return index;
    return -1;
}

QAccessibleInterface* PaintedItemsAccessible::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int item = 0; item < itemCount(); ++item)
        if (itemRect(item).contains(local))
            return child(item);
    return nullptr;
}

QAccessibleInterface* PaintedItemsAccessible::focusChild() const
{
    return widget()->hasFocus() ? child(currentItem()) : nullptr;
}

void PaintedItemsAccessible::notifyCurrentItem(QWidget* widget, int item)
{
    if (!widget->hasFocus() || item < 0)
        return;
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(item);
    QAccessible::updateAccessibility(&event);
}

void PaintedItemsAccessible::notifyItemChanged(QWidget* widget, int item,
                                               QAccessible::State changed)
{
    if (item < 0)
        return;
    QAccessibleStateChangeEvent stateEvent(widget, changed);
    stateEvent.setChild(item);
    QAccessible::updateAccessibility(&stateEvent);
    QAccessibleEvent nameEvent(widget, QAccessible::NameChanged);
    nameEvent.setChild(item);
    QAccessible::updateAccessibility(&nameEvent);
}
