// SPDX-License-Identifier: MIT
#include "ManualLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ManualLocation {

namespace {
constexpr auto InstalledRelative = "../share/strobix/manual/index.html";
// Test and tool programs of the build folder sit two folders below it.
constexpr auto BuildTreeRelative = "../../share/strobix/manual/index.html";

QString resolved(const QString& executableDir, const char* relative)
{
    return QDir::cleanPath(QDir(executableDir).filePath(QLatin1String(relative)));
}
} // namespace

QString indexFile(const QString& executableDir)
{
    const QString installed = resolved(executableDir, InstalledRelative);
    if (QFileInfo::exists(installed))
        return installed;
    const QString buildTree = resolved(executableDir, BuildTreeRelative);
    if (QFileInfo::exists(buildTree))
        return buildTree;
    return installed;
}

QString indexFile()
{
    return indexFile(QCoreApplication::applicationDirPath());
}

QUrl url()
{
    return QUrl::fromLocalFile(indexFile());
}

} // namespace ManualLocation
