#pragma once

#include <QString>
#include <QUrl>

// Where the users' manual is: installed beside the program
// (<prefix>/share/doc/strobix/manual next to <prefix>/bin), or, for a program
// run from its build folder, in the source tree it was built from.
namespace ManualLocation {

// The manual's page for a program in executableDir; sourceManualDir is the
// fallback folder. When neither exists the installed place is returned, so
// the address shown is still where an installation puts it.
QString indexFile(const QString& executableDir, const QString& sourceManualDir);

// The manual of this running program.
QString indexFile();
QUrl url();

} // namespace ManualLocation
