// SPDX-License-Identifier: MIT
#include "PortLocator.h"

#include <algorithm>
#include <tuple>

namespace {

bool isPortNumber(int number)
{
    return number >= 1 && number <= PortLocator::PortNumbers;
}

// Name order in which "ttyUSB10" follows "ttyUSB9": the trailing number is
// compared as a number, the rest as plain code points (no locale).
std::tuple<QString, qulonglong, QString> nameKey(const QString& name)
{
    qsizetype digits = name.size();
    while (digits > 0 && name.at(digits - 1).isDigit())
        --digits;
    const QString stem = name.left(digits);
    return {stem, name.mid(digits).toULongLong(), name};
}

// Linux groups: adapters the programming cable is likely to use come first.
int linuxGroup(const SerialPortDescription& port)
{
    if (port.name.startsWith(QLatin1String("ttyUSB")))
        return 0;
    if (port.name.startsWith(QLatin1String("ttyACM")))
        return 1;
    return port.isUsb() ? 2 : 3;
}

bool reachable(const SerialPortDescription& port, PortLocator::Platform platform)
{
    switch (platform) {
    case PortLocator::Platform::MacOS:
        return port.name.startsWith(QLatin1String("cu."));
    case PortLocator::Platform::Windows:
        return port.name.startsWith(QLatin1String("COM"));
    case PortLocator::Platform::Linux:
        break;
    }
    return linuxGroup(port) < 3 || port.hardware;
}

int groupOf(const SerialPortDescription& port, PortLocator::Platform platform)
{
    return platform == PortLocator::Platform::Linux ? linuxGroup(port) : 0;
}

QString usbIdentity(const SerialPortDescription& port)
{
    if (!port.isUsb())
        return {};
    const QString maker = port.manufacturer.isEmpty() ? QStringLiteral("USB") : port.manufacturer;
    return QStringLiteral("%1 %2:%3")
        .arg(maker)
        .arg(port.vendorId, 4, 16, QLatin1Char('0'))
        .arg(port.productId, 4, 16, QLatin1Char('0'));
}

} // namespace

bool SerialPortDescription::isUsb() const
{
    return vendorId >= 0;
}

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

PortLocator::PortLocator(QList<SerialPortDescription> ports, Platform platform)
    : m_platform(platform)
{
    ports.erase(std::remove_if(ports.begin(), ports.end(),
                               [platform](const auto& port) { return !reachable(port, platform); }),
                ports.end());
    std::sort(ports.begin(), ports.end(), [platform](const auto& a, const auto& b) {
        return std::tuple(groupOf(a, platform), nameKey(a.name))
               < std::tuple(groupOf(b, platform), nameKey(b.name));
    });
    m_ordered = std::move(ports);
}

std::optional<SerialPortDescription> PortLocator::port(int number) const
{
    if (!isPortNumber(number))
        return std::nullopt;
    if (m_platform == Platform::Windows) {
        const QString name = QStringLiteral("COM%1").arg(number);
        const auto listed = std::find_if(m_ordered.cbegin(), m_ordered.cend(),
                                         [&name](const auto& port) { return port.name == name; });
        if (listed != m_ordered.cend())
            return *listed;
        SerialPortDescription unlisted;
        unlisted.name = unlisted.location = name;
        unlisted.hardware = false;
        return unlisted;
    }
    if (number > m_ordered.size())
        return std::nullopt;
    return m_ordered.at(number - 1);
}

QString PortLocator::device(int number) const
{
    const std::optional<SerialPortDescription> found = port(number);
    return found ? found->location : QString();
}

QStringList PortLocator::present() const
{
    QStringList locations;
    for (const SerialPortDescription& port : m_ordered.mid(0, PortNumbers))
        locations << port.location;
    return locations;
}

QString PortLocator::describe(int number) const
{
    const std::optional<SerialPortDescription> found = port(number);
    if (!found)
        //: %1 which ports the computer has
        return tr("none present\n%1").arg(summarize(present()));
    QStringList identity;
    for (const QString& part : {found->description, usbIdentity(*found)}) {
        if (!part.isEmpty())
            identity << part;
    }
    QStringList lines{found->location};
    if (!found->hardware)
        lines << tr("no device");
    if (!identity.isEmpty())
        lines << identity.join(QStringLiteral(", "));
    if (!found->stableName.isEmpty())
        lines << found->stableName;
    return lines.join(QLatin1Char('\n'));
}

QString PortLocator::summarize(const QStringList& present)
{
    if (present.isEmpty())
        return tr("this computer has no serial port");
    const QString names = present.join(QStringLiteral(", "));
    if (present.size() == 1)
        return tr("this computer has 1 serial port: %1").arg(names);
    return tr("this computer has %1 serial ports: %2").arg(present.size()).arg(names);
}
