#include "ManualLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ManualLocation {

namespace {
constexpr auto InstalledRelative = "../share/doc/strobix/manual/index.html";
constexpr auto IndexName = "index.html";
} // namespace

QString indexFile(const QString& executableDir, const QString& sourceManualDir)
{
    const QString installed =
        QDir::cleanPath(QDir(executableDir).filePath(QLatin1String(InstalledRelative)));
    if (QFileInfo::exists(installed))
        return installed;
    if (!sourceManualDir.isEmpty()) {
        const QString source = QDir(sourceManualDir).filePath(QLatin1String(IndexName));
        if (QFileInfo::exists(source))
            return QDir::cleanPath(source);
    }
    return installed;
}

QString indexFile()
{
    return indexFile(QCoreApplication::applicationDirPath(),
                     QStringLiteral(STROBIX_SOURCE_MANUAL_DIR));
}

QUrl url()
{
    return QUrl::fromLocalFile(indexFile());
}

} // namespace ManualLocation
