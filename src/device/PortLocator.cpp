// SPDX-License-Identifier: MIT
#include "PortLocator.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 3> LinuxFamilies{"ttyUSB", "ttyACM", "ttyS"};

bool isPortNumber(int port)
{
    return port >= 1 && port <= 8;
}

} // namespace

PortLocator::Platform PortLocator::hostPlatform()
{
#if defined(Q_OS_WIN)
    return Platform::Windows;
#elif defined(Q_OS_MACOS)
    return Platform::MacOS;
#else
    return Platform::Linux;
#endif
}

PortLocator::PortLocator(Platform platform, const QString& deviceRoot)
    : m_platform(platform)
    , m_root(deviceRoot)
{
}

QString PortLocator::path(const QString& name) const
{
    return m_root + QLatin1Char('/') + name;
}

QStringList PortLocator::macDevices() const
{
    QStringList names = QDir(m_root).entryList({QStringLiteral("cu.*")},
                                               QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    // Plain code-point order, so the numbering does not depend on the locale.
    std::sort(names.begin(), names.end());
    return names;
}

QStringList PortLocator::candidates(int port) const
{
    if (!isPortNumber(port))
        return {};
    switch (m_platform) {
    case Platform::Windows:
        return {QStringLiteral("COM%1").arg(port)};
    case Platform::MacOS:
        return {path(QStringLiteral("cu.*"))};
    case Platform::Linux:
        break;
    }
    QStringList paths;
    for (const char* family : LinuxFamilies)
        paths << path(QLatin1String(family) + QString::number(port - 1));
    return paths;
}

QString PortLocator::device(int port) const
{
    if (!isPortNumber(port))
        return {};
    switch (m_platform) {
    case Platform::Windows:
        return QStringLiteral("COM%1").arg(port);
    case Platform::MacOS: {
        const QStringList names = macDevices();
        return port <= names.size() ? path(names.at(port - 1)) : QString();
    }
    case Platform::Linux:
        break;
    }
    const QStringList paths = candidates(port);
    const auto found = std::find_if(paths.cbegin(), paths.cend(),
                                    [](const QString& p) { return QFileInfo::exists(p); });
    return found != paths.cend() ? *found : QString();
}

QString PortLocator::describe(int port) const
{
    const QString found = device(port);
    if (!found.isEmpty())
        return found;
    if (m_platform == Platform::MacOS)
        return QStringLiteral("none present (fewer than %1 %2 devices)")
            .arg(port)
            .arg(path(QStringLiteral("cu.*")));
    return QStringLiteral("none present (no %1)").arg(candidates(port).join(QStringLiteral(", ")));
}
