// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString Folder = QStringLiteral(":/i18n");
QString chosen = QStringLiteral("en");

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
            break;
        if (installOne(app, language, QStringLiteral("strobix"), Folder)) {
            installOne(app, language, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            chosen = QLocale::languageToCode(language.language());
            return true;
        }
    }
    chosen = QStringLiteral("en");
    return false;
}

QStringList Translations::languages()
{
    QStringList codes{QStringLiteral("en")};
    const QString prefix = QStringLiteral("strobix_");
    for (const QString& name :
         QDir(Folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        codes << name.mid(prefix.size()).chopped(3);
    return codes;
}

QString Translations::current()
{
    return chosen;
}
