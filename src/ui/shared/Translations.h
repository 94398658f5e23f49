// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The program's texts and Qt's own (dialog buttons, the file dialog) in the
// user's language, where a translation exists; English otherwise.
namespace Translations {

// Installs the translators for locale's languages into app, which owns them.
// Returns whether the program's own translation was found.
bool install(QCoreApplication& app, const QLocale& locale = QLocale::system());

// The language codes the program speaks: "en" first, then its translations.
QStringList languages();

// The code of the language install() chose ("en" when none of its own).
QString current();

} // namespace Translations
