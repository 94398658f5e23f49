// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The one place that turns a port number 1..8 into the device it reaches:
//  - Windows: COMn;
//  - Linux (and other Unix): the first of ttyUSB(n-1), ttyACM(n-1), ttyS(n-1)
//    that exists, so the usual USB-serial adapter is port 1;
//  - macOS: the n-th cu.* device in name order.
// The device folder is a parameter so tests can stand a temporary folder in
// for /dev.
class PortLocator {
public:
    enum class Platform { Windows, Linux, MacOS };

    static Platform hostPlatform();

    explicit PortLocator(Platform platform = hostPlatform(),
                         const QString& deviceRoot = QStringLiteral("/dev"));

    // The device the port reaches right now; empty when none is present.
    QString device(int port) const;

    // The devices the number may stand for, in order of preference (on macOS
    // the pattern), to tell the user where the program looked.
    QStringList candidates(int port) const;

    // One short line for the settings dialog: the device, or that none is present.
    QString describe(int port) const;

private:
    QString path(const QString& name) const;
    QStringList macDevices() const;

    Platform m_platform;
    QString m_root;
};
