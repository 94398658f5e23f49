// SPDX-License-Identifier: MIT
#include "TwipsLayout.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr qreal SmallestPointSize = 4;
constexpr qreal ShrinkStep = 0.25;

// Fonts do not grow exactly in proportion to the zoom (the font engine rounds
// to whole pixels); a one-line caption that would be cut off at some zoom is
// set a little smaller instead.
void shrinkToFit(QWidget* widget)
{
    QString text;
    int room = 0;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap())
            return;
        text = label->text();
        room = label->contentsRect().width();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        text = button->text().remove(QLatin1Char('&'));
        room = button->width() - 8; // the style's frame and margins
    } else {
        return;
    }
    QFont font = widget->font();
    while (QFontMetrics(font).horizontalAdvance(text) > room
           && font.pointSizeF() > SmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - ShrinkStep);
    if (font != widget->font())
        widget->setFont(font);
}

// A hidden caption is fitted when it is shown: measuring it loads its font,
// which at start-up is time and memory spent on what nobody sees yet (the
// download message, the servo stick's captions).
class FitWhenShown : public QObject {
public:
    static void ask(QWidget* widget)
    {
        FitWhenShown* fit = nullptr;
        for (QObject* child : widget->children())
            if ((fit = dynamic_cast<FitWhenShown*>(child)))
                break;
        if (!fit)
            fit = new FitWhenShown(widget);
        fit->m_pending = true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_pending && (event->type() == QEvent::Show || event->type() == QEvent::ShowToParent)) {
            m_pending = false;
            shrinkToFit(static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    explicit FitWhenShown(QWidget* widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }

    bool m_pending = false;
};

bool hasCaption(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QPushButton*>(widget);
}

} // namespace

void TwipsLayout::place(QWidget* widget, QRect twips)
{
    m_placements.push_back({widget, twips, false});
}

void TwipsLayout::placeAt(QWidget* widget, QPoint twips)
{
    m_placements.push_back({widget, QRect(twips, QSize()), true});
}

void TwipsLayout::setFont(QWidget* widget, const QFont& font)
{
    m_fonts.push_back({widget, font});
}

void TwipsLayout::apply(Zoom zoom) const
{
    // A font shrunk to fit at the last zoom goes back to the inherited one.
    for (const Placement& placement : m_placements)
        if (placement.widget && !hasOwnFont(placement.widget))
            placement.widget->setFont(QFont());
    // Deepest widgets first: a parent's font then no longer reaches the
    // children that have their own, and each widget changes only once. For a
    // drop-down list a change is costly: it lays out its pop-up list again.
    std::vector<const FontChoice*> byDepth;
    for (const FontChoice& choice : m_fonts)
        if (choice.widget)
            byDepth.push_back(&choice);
    const auto depth = [](const QWidget* widget) {
        int levels = 0;
        while ((widget = widget->parentWidget()))
            ++levels;
        return levels;
    };
    std::stable_sort(byDepth.begin(), byDepth.end(),
                     [&depth](const FontChoice* a, const FontChoice* b) {
                         return depth(a->widget) > depth(b->widget);
                     });
    for (const FontChoice* choice : byDepth) {
        QFont font = choice->font;
        font.setPointSizeF(zoom.points(choice->font.pointSizeF()));
        choice->widget->setFont(font);
    }
    for (const Placement& placement : m_placements) {
        QWidget* widget = placement.widget;
        if (!widget)
            continue;
        const QRect& twips = placement.twips;
        const QPoint topLeft(zoom.px(twips.left()), zoom.px(twips.top()));
        if (placement.sizesItself) {
            widget->setGeometry(QRect(topLeft, widget->sizeHint()));
            continue;
        }
        const int height =
            twips.height() > 0 ? zoom.px(twips.height()) : widget->sizeHint().height();
        widget->setGeometry(QRect(topLeft, QSize(zoom.px(twips.width()), height)));
        if (widget->isHidden() && hasCaption(widget))
            FitWhenShown::ask(widget);
        else
            shrinkToFit(widget);
    }
}

bool TwipsLayout::hasOwnFont(const QWidget* widget) const
{
    return std::any_of(m_fonts.begin(), m_fonts.end(),
                       [widget](const FontChoice& choice) { return choice.widget == widget; });
}
