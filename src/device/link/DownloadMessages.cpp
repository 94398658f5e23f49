// SPDX-License-Identifier: MIT
#include "DownloadMessages.h"

#include "DownloadStream.h"
#include "PacedSender.h"
#include "PortLocator.h"

#include <QRegularExpression>

namespace DownloadMessages {

namespace {

QString advice(SerialLink::OpenProblem problem)
{
    switch (problem) {
    case SerialLink::OpenProblem::Missing:
        return QStringLiteral("Plug in the USB-serial adapter of the programming cable, "
                              "or choose another port in Settings.");
    case SerialLink::OpenProblem::NoPermission:
#if defined(Q_OS_LINUX)
        return QStringLiteral("Your user account may not use serial ports. Add it to the "
                              "'dialout' group (sudo usermod -a -G dialout $USER), then log "
                              "out and back in.");
#else
        return QStringLiteral("Your user account may not use this port. Ask the computer's "
                              "administrator for access to it.");
#endif
    case SerialLink::OpenProblem::Busy:
        return QStringLiteral("Another program is using this port. Close that program, "
                              "or choose another port in Settings.");
    case SerialLink::OpenProblem::Unusable:
        return QStringLiteral("The port cannot be set to 2400 baud, 8 data bits, no parity, "
                              "1 stop bit. Choose another port in Settings.");
    case SerialLink::OpenProblem::None:
        break;
    }
    return {};
}

// A port number reaches a built-in port only when no USB adapter takes it,
// and a built-in port is rarely what the programming cable is plugged into.
QString builtInPortAdvice(const QString& device)
{
    static const QRegularExpression builtIn(QStringLiteral("^(.*/)ttyS\\d+$"));
    const QRegularExpressionMatch match = builtIn.match(device);
    if (!match.hasMatch())
        return {};
    return QStringLiteral("\r\r%1 is the computer's built-in serial port. If the programming "
                          "cable uses a USB-serial adapter, plug it in (it appears as "
                          "%2ttyUSBn; adapters are numbered before the built-in ports), "
                          "or choose the right port in Settings.")
        .arg(device, match.captured(1));
}

// "serial port 3 (/dev/ttyUSB0)", or "serial device /dev/pts/3" for a device
// named on the command line.
QString portAndDevice(int port, const QString& device)
{
    if (port <= 0)
        return QStringLiteral("serial device %1").arg(device);
    return QStringLiteral("serial port %1 (%2)").arg(port).arg(device);
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

QString nothingSent()
{
    return QStringLiteral("\r\rNothing was sent to the device.");
}

} // namespace

QString title()
{
    return QStringLiteral("Download to STROBIX  -  Programmable LED Sequencer/Flasher...");
}

QString instructions()
{
    return QStringLiteral("\r 1) Cycle power/Connect Strobix to programming cable (All LEDs "
                          "flash), then\r\r 2)  Wait till all LEDS come on and stay on, "
                          "then\r\r 3)  With all LEDs lit, Press 'OK' to download to Strobix...");
}

QString noDevice(int port, const QStringList& present)
{
    return QStringLiteral("Serial port %1 reaches no device (%2).\r\r%3")
               .arg(port)
               .arg(PortLocator::summarize(present), advice(SerialLink::OpenProblem::Missing))
           + nothingSent();
}

QString openFailed(int port, const QString& device, const SerialLink::OpenResult& result)
{
    return QStringLiteral("%1 could not be opened:\r%2\r\r%3")
               .arg(capitalized(portAndDevice(port, device)), result.reason, advice(result.problem))
           + builtInPortAdvice(device) + nothingSent();
}

QString sendFailed(int port, const QString& device, int index, const QString& reason)
{
    const QString where =
        index == PacedSender::MarkerIndex
            ? QStringLiteral("the start marker")
            : QStringLiteral("record %1 of %2").arg(index + 1).arg(DownloadStream::RecordCount);
    return QStringLiteral("The download stopped at %1 on %2:\r%3\r\r"
                          "The device has not been programmed completely. Check the "
                          "programming cable and its adapter, then download again.")
        .arg(where, portAndDevice(port, device), reason);
}

QString cancelledWhileSending(int port, const QString& device, int sent)
{
    return QStringLiteral("The download to %1 was cancelled after %2 of %3 records; the port "
                          "is closed.\r\rThe device has not been programmed completely. "
                          "Download again.")
        .arg(portAndDevice(port, device))
        .arg(sent)
        .arg(DownloadStream::RecordCount);
}

} // namespace DownloadMessages
