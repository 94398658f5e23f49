// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

// Where the users' manual is. An installation keeps it in
// <prefix>/share/strobix/manual beside <prefix>/bin, so a moved or relocated
// installation still finds it. The build folder mirrors that layout
// (<build>/share/strobix/manual links to the sources), and its programs sit
// one or two folders below it, so they find the manual the same way without
// a build path compiled into the program.
namespace ManualLocation {

// The manual's page for a program in executableDir, in language ("de") where
// the manual has a translation, in English otherwise. When it is in none of the
// places looked at, the installed place is returned, so the address shown is
// still where an installation puts it.
QString indexFile(const QString& executableDir, const QString& language = QString());

// The manual of this running program, in the language it speaks.
QString indexFile();
// Its address: the file on the desktop; in the browser, the page's own
// manual beside it (one implementation each in desktop/ and web/).
QUrl url();

// The gallery's example sequences, <prefix>/share/strobix/examples, found the
// same way; empty when in none of the places looked at.
QString examplesFolder(const QString& executableDir);
QString examplesFolder();
// Whether a folder is, or a file lies in, the examples folder of this program.
bool isExamplesFolder(const QString& folder);
bool isExample(const QString& path);

} // namespace ManualLocation
