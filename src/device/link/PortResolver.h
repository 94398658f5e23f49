// SPDX-License-Identifier: MIT
#pragma once

#include "PortLocator.h"

#include <QString>
#include <QStringList>

#include <functional>

// Which device a port number reaches, one answer for the download and the
// settings dialog. Made once per run: either the system's ports, listed again
// at every question (adapters come and go) and numbered by PortLocator, or one
// device for every number (--device). Only the discovery knows the platform.
class PortResolver {
public:
    using Discovery = std::function<PortLocator()>;
    using Device = std::function<QString()>;

    struct Reach {
        QString device;      // empty when the number reaches nothing
        QStringList present; // the ports the computer has, named when none answers
    };

    // The ports this computer has (SystemPorts).
    static PortResolver system();
    // Numbers over the ports a discovery finds.
    static PortResolver discovering(Discovery discovery);
    // Every number reaches this device, asked for at each question.
    static PortResolver oneDevice(Device device);
    static PortResolver oneDevice(const QString& device);

    Reach reach(int port) const;
    // For the settings dialog: the device and what is known of it, or that none is present.
    QString describe(int port) const;

private:
    PortResolver(Discovery discovery, Device device);

    Discovery m_discovery; // empty when one device takes every number
    Device m_device;
};
