// SPDX-License-Identifier: MIT
#pragma once

#include "PortLocator.h"

#include <QList>

// The serial ports this computer really has, as QSerialPortInfo lists them,
// with what the system adds: the stable /dev/serial/by-id name and, for
// built-in ports, whether a UART stands behind the name.
namespace SystemPorts {

QList<SerialPortDescription> list();
// Port numbers over the ports present right now.
PortLocator locator();

} // namespace SystemPorts
