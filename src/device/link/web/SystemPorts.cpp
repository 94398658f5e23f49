// SPDX-License-Identifier: MIT
// The browser edition lists no serial ports of its own yet: the page cannot
// reach the computer's ports without Web Serial.
#include "SystemPorts.h"

namespace SystemPorts {

QList<SerialPortDescription> list()
{
    return {};
}

PortLocator locator()
{
    return PortLocator(list());
}

} // namespace SystemPorts
