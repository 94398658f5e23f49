#include "TwipsLayout.h"

#include "Twips.h"

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

void TwipsLayout::apply() const
{
    for (const FontChoice& choice : m_fonts) {
        if (!choice.widget)
            continue;
        QFont font = choice.font;
        font.setPointSizeF(Twips::scaledPoints(choice.font.pointSizeF()));
        choice.widget->setFont(font);
    }
    for (const Placement& placement : m_placements) {
        QWidget* widget = placement.widget;
        if (!widget)
            continue;
        const QRect& twips = placement.twips;
        const QPoint topLeft(Twips::scaled(twips.left()), Twips::scaled(twips.top()));
        if (placement.sizesItself) {
            widget->setGeometry(QRect(topLeft, widget->sizeHint()));
            continue;
        }
        const int height =
            twips.height() > 0 ? Twips::scaled(twips.height()) : widget->sizeHint().height();
        widget->setGeometry(QRect(topLeft, QSize(Twips::scaled(twips.width()), height)));
    }
}
