// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool installOne(QCoreApplication& app, const QLocale& language, const QString& name,
                const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(language, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

bool isSourceLanguage(const QLocale& language)
{
    return language.language() == QLocale::English || language.language() == QLocale::C;
}

} // namespace

bool Translations::install(QCoreApplication& app, const QLocale& locale)
{
    // The user's languages in order of preference: the first one the program
    // speaks wins, English (the language of the sources) included.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (isSourceLanguage(language))
            return false;
        if (installOne(app, language, QStringLiteral("strobix"), QStringLiteral(":/i18n"))) {
            installOne(app, language, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}
