// SPDX-License-Identifier: MIT
#include "SystemPorts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

namespace SystemPorts {

namespace {

// /dev/serial/by-id holds one link per USB serial device, named after its
// maker, model and serial number; the name stays when the device is plugged
// into another socket or comes up as another ttyUSBn.
QHash<QString, QString> stableNames()
{
    QHash<QString, QString> byTarget;
    const QDir folder(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files)) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty())
            byTarget.insert(target, link.absoluteFilePath());
    }
    return byTarget;
}

// Linux lists a ttySn for every slot the serial driver reserved; the UART
// type the kernel found is 0 ("unknown") where no chip answers.
bool hasHardware(const QString& name)
{
    if (!name.startsWith(QLatin1String("ttyS")))
        return true;
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(name));
    if (!type.open(QIODevice::ReadOnly))
        return true; // nothing says otherwise; the system listed it
    return type.readAll().trimmed() != "0";
}

} // namespace

QList<SerialPortDescription> list()
{
    const QHash<QString, QString> stable = stableNames();
    QList<SerialPortDescription> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortDescription port;
        port.name = info.portName();
        port.location = info.systemLocation();
        port.description = info.description();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        port.stableName = stable.value(QFileInfo(port.location).canonicalFilePath());
        port.hardware = hasHardware(port.name);
        ports << port;
    }
    return ports;
}

PortLocator locator()
{
    return PortLocator(list());
}

} // namespace SystemPorts
