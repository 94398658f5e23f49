// SPDX-License-Identifier: MIT
#include "ManualLocation.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ManualLocation {

namespace {
constexpr auto InstalledRelative = "../share/strobix/";
// Test and tool programs of the build folder sit two folders below it.
constexpr auto BuildTreeRelative = "../../share/strobix/";
// A program folder of its own (the Windows installer and zip) holds them beside the program.
constexpr auto BesideProgram = "";

QString resolved(const QString& executableDir, const char* relative, const QString& name)
{
    return QDir::cleanPath(QDir(executableDir).filePath(QLatin1String(relative) + name));
}

// The first place that holds it; the installed place when none does.
QString found(const QString& executableDir, const QString& name)
{
    for (const char* relative : {InstalledRelative, BesideProgram, BuildTreeRelative}) {
        const QString candidate = resolved(executableDir, relative, name);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return resolved(executableDir, InstalledRelative, name);
}
} // namespace

QString indexFile(const QString& executableDir, const QString& language)
{
    // A translation of the manual sits in a folder named after its language.
    if (!language.isEmpty()) {
        const QString translated =
            found(executableDir, QStringLiteral("manual/%1/index.html").arg(language));
        if (QFileInfo::exists(translated))
            return translated;
    }
    return found(executableDir, QStringLiteral("manual/index.html"));
}

QString indexFile()
{
    return indexFile(QCoreApplication::applicationDirPath(), Translations::current());
}

QString examplesFolder(const QString& executableDir)
{
    const QString folder = found(executableDir, QStringLiteral("examples"));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString examplesFolder()
{
    return examplesFolder(QCoreApplication::applicationDirPath());
}

bool isExamplesFolder(const QString& folder)
{
    const QString examples = QFileInfo(examplesFolder()).canonicalFilePath();
    return !examples.isEmpty() && QFileInfo(folder).canonicalFilePath() == examples;
}

bool isExample(const QString& path)
{
    return isExamplesFolder(QFileInfo(path).absolutePath());
}

} // namespace ManualLocation
