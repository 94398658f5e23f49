// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>

class QCoreApplication;

// The program's texts and Qt's own (dialog buttons, the file dialog) in the
// user's language, where a translation exists; English otherwise.
namespace Translations {

// Installs the translators for locale's languages into app, which owns them.
// Returns whether the program's own translation was found.
bool install(QCoreApplication& app, const QLocale& locale = QLocale::system());

} // namespace Translations
