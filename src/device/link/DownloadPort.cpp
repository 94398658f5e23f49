// SPDX-License-Identifier: MIT
#include "DownloadPort.h"

#include "DownloadMessages.h"
#include "PortLocator.h"
#include "SerialLink.h"

namespace DownloadPort {

QString open(SerialLink& link, int port, const QString& device, const PortLocator& locator)
{
    if (device.isEmpty())
        return DownloadMessages::noDevice(port, locator.present());
    const SerialLink::OpenResult opened = link.open(device);
    if (!opened.ok())
        return DownloadMessages::openFailed(port, device, opened);
    return {};
}

} // namespace DownloadPort
