// SPDX-License-Identifier: MIT
// The ports this site may use, as Web Serial grants them: those the user has
// chosen in the browser's port chooser before (navigator.serial.getPorts()),
// named by their USB identity ("FTDI 0403:6001"). Where none is granted yet,
// the one port listed is the chooser itself, which Download then opens from
// the user's click; where the browser has no Web Serial, the one port says so
// when opened.
#include "SystemPorts.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <emscripten.h>

namespace {

constexpr int ListSize = 4096;

// The first call waits for the browser's list and then follows the ports that
// come and go; later calls read that list at once, so that no caller (a
// dialog's own event loop among them) waits inside the browser. The page's
// start makes the first call.
EM_ASYNC_JS(void, strobixWatchPorts, (), {
    if (Module.strobixSerialPorts || !window.isSecureContext || !("serial" in navigator))
        return;
    const refresh = async () => {
        try {
            Module.strobixSerialPorts = await navigator.serial.getPorts();
        } catch (e) {
            Module.strobixSerialPorts = [];
        }
    };
    navigator.serial.addEventListener("connect", refresh);
    navigator.serial.addEventListener("disconnect", refresh);
    Module.strobixRefreshPorts = refresh;
    await refresh();
});

// A JSON list [{vendor, product}] of the granted ports, in the browser's
// order (Module.strobixSerialPorts, which opening uses); -1 without Web
// Serial or outside a secure page.
EM_JS(int, strobixGrantedPorts, (char* json, int size), {
    if (!window.isSecureContext || !("serial" in navigator))
        return -1;
    const list = (Module.strobixSerialPorts || []).map((port) => {
        const info = port.getInfo ? port.getInfo() : {};
        return {vendor: info.usbVendorId ?? -1, product: info.usbProductId ?? -1};
    });
    stringToUTF8(JSON.stringify(list), json, size);
    return list.length;
});

// The makers of the usual USB-serial chips, by USB vendor.
QString makerOf(int vendorId)
{
    switch (vendorId) {
    case 0x0403:
        return QStringLiteral("FTDI");
    case 0x067B:
        return QStringLiteral("Prolific");
    case 0x10C4:
        return QStringLiteral("Silicon Labs");
    case 0x1A86:
        return QStringLiteral("WCH");
    case 0x2341:
        return QStringLiteral("Arduino");
    case 0x04D8:
        return QStringLiteral("Microchip");
    default:
        return {};
    }
}

SerialPortDescription granted(int index, int vendorId, int productId)
{
    SerialPortDescription port;
    port.location = QStringLiteral("webserial:%1").arg(index);
    port.vendorId = vendorId;
    port.productId = productId;
    port.manufacturer = makerOf(vendorId);
    const QString identity = vendorId < 0 ? QStringLiteral("serial port")
                                          : QStringLiteral("%1:%2")
                                                .arg(vendorId, 4, 16, QLatin1Char('0'))
                                                .arg(productId, 4, 16, QLatin1Char('0'));
    port.name = (port.manufacturer.isEmpty() ? identity : port.manufacturer + u' ' + identity);
    port.description = QStringLiteral("USB-serial adapter");
    return port;
}

SerialPortDescription pseudoPort(const QString& location, const QString& name)
{
    SerialPortDescription port;
    port.location = location;
    port.name = name;
    port.description = name;
    return port;
}

} // namespace

namespace SystemPorts {

QList<SerialPortDescription> list()
{
    static bool watching = false;
    if (!watching) {
        watching = true;
        strobixWatchPorts();
    }
    QByteArray json(ListSize, '\0');
    const int count = strobixGrantedPorts(json.data(), ListSize);
    if (count < 0)
        return {pseudoPort(QStringLiteral("webserial:none"), QStringLiteral("no Web Serial"))};
    if (count == 0)
        return {pseudoPort(QStringLiteral("webserial:choose"),
                           QStringLiteral("the browser's port chooser"))};
    QList<SerialPortDescription> ports;
    const QJsonArray entries = QJsonDocument::fromJson(json.constData()).array();
    for (int index = 0; index < entries.size(); ++index) {
        const QJsonObject entry = entries.at(index).toObject();
        ports << granted(index, entry.value(QStringLiteral("vendor")).toInt(-1),
                         entry.value(QStringLiteral("product")).toInt(-1));
    }
    // Two adapters of one kind: told apart by their place in the browser's list.
    for (int index = 0; index < ports.size(); ++index)
        for (int other = index + 1; other < ports.size(); ++other)
            if (ports[other].name == ports[index].name)
                ports[other].name += QStringLiteral(" (%1)").arg(other + 1);
    return ports;
}

PortLocator locator()
{
    return PortLocator(list());
}

} // namespace SystemPorts
