// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class PortLocator;
class SerialLink;

namespace DownloadPort {

// Opens the device a download goes to, the same way for the Download command
// and --download. device: what the caller found for the port ("" when nothing
// answers to it); locator: the ports it looked in, named when none answered.
// Returns an empty string once the link is open, else the message that says
// why not (see DownloadMessages), which the caller shows its own way.
QString open(SerialLink& link, int port, const QString& device, const PortLocator& locator);

} // namespace DownloadPort
