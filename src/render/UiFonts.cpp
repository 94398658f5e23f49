// SPDX-License-Identifier: MIT
#include "UiFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace UiFonts {

namespace {

// The first installed family of a preference list, looked up once in the list
// of installed families: asking the font system about a missing family, as
// QFontDatabase::hasFamily does, costs a noticeable share of start-up.
QString firstInstalled(const QStringList& preferred)
{
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QGuiApplication::font().family();
}

QFont make(const QString& family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont sansSerif(qreal pointSize, bool bold)
{
    static const QString family =
        firstInstalled({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                        QStringLiteral("Liberation Sans"), QStringLiteral("Strobix Sans"),
                        QStringLiteral("DejaVu Sans")});
    return make(family, pointSize, bold);
}

QFont arial(qreal pointSize)
{
    static const QString family =
        firstInstalled({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Strobix Sans"), QStringLiteral("DejaVu Sans")});
    return make(family, pointSize, false);
}

} // namespace UiFonts
