// SPDX-License-Identifier: MIT
// The site carries the manual beside the page (manual/, a translation in
// manual/<language>/); the browser opens it relative to the page.
#include "ManualLocation.h"

#include "Translations.h"

#include <QStringList>

QUrl ManualLocation::url()
{
    const QString language = Translations::current();
    const QStringList translated =
        QStringLiteral(STROBIX_MANUAL_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
    if (translated.contains(language))
        return QUrl(QStringLiteral("manual/%1/index.html").arg(language));
    return QUrl(QStringLiteral("manual/index.html"));
}
