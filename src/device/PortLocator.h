// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One serial port as the system lists it. Gathered from the system in
// device/link; kept here as plain data so the numbering can be tested on
// made-up lists.
struct SerialPortDescription {
    QString name;        // "ttyUSB0", "COM3", "cu.usbserial-A1"
    QString location;    // what is opened: "/dev/ttyUSB0", "COM3"
    QString description; // "FT232R USB UART"
    QString manufacturer; // "FTDI": named before the USB identity where the system says it
    int vendorId = -1;   // USB vendor and product; -1 when not a USB device
    int productId = -1;
    QString stableName;   // a name that survives re-plugging: /dev/serial/by-id/...
    bool hardware = true; // false: a built-in port with no UART, or a COMn no device claims

    bool isUsb() const;
};

// The one place that turns a port number 1..8 into the device it reaches,
// over the ports the system really has:
//  - Linux (and other Unix): USB adapters first (ttyUSB*, then ttyACM*, then
//    other USB serial devices), each group in name order with numbers compared
//    as numbers, then the built-in ports that have hardware behind them;
//  - macOS: the cu.* devices in name order;
//  - Windows: COMn, whether or not the system lists it (then it is "no device").
// A pure function of the list, so the numbering is stable for a given set of
// ports and tests need no hardware.
class PortLocator {
    Q_DECLARE_TR_FUNCTIONS(PortLocator)

public:
    enum class Platform { Windows, Linux, MacOS };
    static constexpr int PortNumbers = 8;

    static Platform hostPlatform();

    explicit PortLocator(QList<SerialPortDescription> ports = {},
                         Platform platform = hostPlatform());

    // The ports in numbering order: entry n-1 is port n. Ports past the
    // eighth are listed but no number reaches them.
    const QList<SerialPortDescription>& ordered() const { return m_ordered; }

    // The port a number reaches right now, if any.
    std::optional<SerialPortDescription> port(int number) const;
    // Its device path; empty when the number reaches nothing.
    QString device(int number) const;
    // Every port a number can reach, to tell the user what is there.
    QStringList present() const;

    // For the settings dialog: the device, then its description and USB
    // identity, then its stable name, one per line; or that none is present.
    QString describe(int number) const;

    // "this computer has 2 serial ports: /dev/ttyUSB0, /dev/ttyS0", or that it has none.
    static QString summarize(const QStringList& present);

private:
    Platform m_platform;
    QList<SerialPortDescription> m_ordered;
};
