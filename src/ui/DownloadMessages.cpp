// SPDX-License-Identifier: MIT
#include "DownloadMessages.h"

#include "DownloadStream.h"
#include "PacedSender.h"

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

// Port n falls back to the built-in /dev/ttyS(n-1) when no USB adapter is
// plugged in; on most computers no UART stands behind it, so whatever the
// open failed with, the likely fix is the missing adapter.
QString builtInPortAdvice(int port, const QString& device)
{
    static const QRegularExpression builtIn(QStringLiteral("^(.*/)ttyS\\d+$"));
    const QRegularExpressionMatch match = builtIn.match(device);
    if (!match.hasMatch())
        return {};
    return QStringLiteral("\r\r%1 is the computer's built-in serial port. If the programming "
                          "cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSB%3), "
                          "or choose the right port in Settings.")
        .arg(device, match.captured(1))
        .arg(port - 1);
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

QString noDevice(int port, const QStringList& candidates)
{
    return QStringLiteral("Serial port %1 reaches no device (looked for %2).\r\r%3")
               .arg(port)
               .arg(candidates.join(QStringLiteral(", ")), advice(SerialLink::OpenProblem::Missing))
           + nothingSent();
}

QString openFailed(int port, const QString& device, const SerialLink::OpenResult& result)
{
    return QStringLiteral("Serial port %1 (%2) could not be opened:\r%3\r\r%4")
               .arg(port)
               .arg(device, result.reason, advice(result.problem))
           + builtInPortAdvice(port, device) + nothingSent();
}

QString sendFailed(int port, const QString& device, int index, const QString& reason)
{
    const QString where =
        index == PacedSender::MarkerIndex
            ? QStringLiteral("the start marker")
            : QStringLiteral("record %1 of %2").arg(index + 1).arg(DownloadStream::RecordCount);
    return QStringLiteral("The download stopped at %1 on serial port %2 (%3):\r%4\r\r"
                          "The device has not been programmed completely. Check the "
                          "programming cable and its adapter, then download again.")
        .arg(where)
        .arg(port)
        .arg(device, reason);
}

} // namespace DownloadMessages
