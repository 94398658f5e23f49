// SPDX-License-Identifier: MIT
#include "DownloadMessages.h"
#include "PortLocator.h"
#include "SerialLink.h"

#include <QTest>

// What the user is told when a port cannot be opened: how the system refused,
// plus what the program can find out about the device, decide which fix is offered.
class DownloadMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void openFailureAdvice_data();
    void openFailureAdvice();
};

using Platform = PortLocator::Platform;
Q_DECLARE_METATYPE(Platform)
using Refusal = SerialLink::Refusal;
Q_DECLARE_METATYPE(Refusal)

void DownloadMessagesTest::openFailureAdvice_data()
{
    QTest::addColumn<Platform>("platform");
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("advice");
    QTest::addColumn<QString>("notAdvised"); // "" when anything else may be said

    const QString adapter = QStringLiteral("/dev/ttyUSB3");
    const QString plugIn = QStringLiteral("Plug in the USB-serial adapter");
    QTest::newRow("no such device") << Platform::Linux << Refusal::NotFound << false
                                    << false << 4 << adapter << QStringList{plugIn} << QString();
    QTest::newRow("no rights to the device")
        << Platform::Linux << Refusal::Denied << true << false << 4 << adapter
#if defined(Q_OS_LINUX)
        << QStringList{QStringLiteral("'dialout' group")}
#else
        << QStringList{QStringLiteral("administrator")}
#endif
        << QStringLiteral("Another program");
    QTest::newRow("device locked or busy")
        << Platform::Linux << Refusal::Denied << true << true << 4 << adapter
        << QStringList{QStringLiteral("Another program is using this port")} << plugIn;
    QTest::newRow("device vanished while opening")
        << Platform::Linux << Refusal::Denied << false << false << 4 << adapter
        << QStringList{plugIn} << QStringLiteral("Another program");
    QTest::newRow("line settings refused")
        << Platform::Linux << Refusal::Other << true << true << 4 << adapter
        << QStringList{QStringLiteral("cannot be set to 2400 baud")}
        << QStringLiteral("plug it in");
    // Port 1 with no adapter plugged in falls back to the built-in port, which
    // on most computers has no UART behind it and fails with EIO.
    QTest::newRow("built-in port without a UART")
        << Platform::Linux << Refusal::Other << true << true << 1
        << QStringLiteral("/dev/ttyS0")
        << QStringList{QStringLiteral("/dev/ttyS0 is the computer's built-in serial port"),
                       QStringLiteral("plug it in (it appears as /dev/ttyUSBn"),
                       QStringLiteral("choose the right port in Settings")}
        << QString();
    QTest::newRow("built-in port of port 3 busy")
        << Platform::Linux << Refusal::Denied << true << true << 3
        << QStringLiteral("/dev/ttyS2")
        << QStringList{QStringLiteral("Another program"),
                       QStringLiteral("adapters are numbered before the built-in ports")}
        << QString();
    // Windows says "access denied" for a COM port another program holds, and
    // COMn is no file the program could find.
    QTest::newRow("Windows port held elsewhere")
        << Platform::Windows << Refusal::Denied << false << true << 3
        << QStringLiteral("COM3")
        << QStringList{QStringLiteral("Another program is using this port")} << plugIn;
    QTest::newRow("Windows port absent")
        << Platform::Windows << Refusal::NotFound << false << true << 3
        << QStringLiteral("COM3") << QStringList{plugIn} << QStringLiteral("Another program");
}

void DownloadMessagesTest::openFailureAdvice()
{
    QFETCH(Platform, platform);
    QFETCH(Refusal, refusal);
    QFETCH(bool, exists);
    QFETCH(bool, writable);
    QFETCH(int, port);
    QFETCH(QString, device);
    QFETCH(QStringList, advice);
    QFETCH(QString, notAdvised);

    const SerialLink::OpenResult result{SerialLink::classify(refusal, exists, writable, platform),
                                        QStringLiteral("the system's words")};
    const QString text = DownloadMessages::openFailed(port, device, result);
    for (const QString& part : advice)
        QVERIFY2(text.contains(part), qPrintable(text));
    if (!notAdvised.isEmpty())
        QVERIFY2(!text.contains(notAdvised), qPrintable(text));
    QVERIFY(text.startsWith(
        QStringLiteral("Serial port %1 (%2) could not be opened:\rthe system's words\r")
            .arg(port)
            .arg(device)));
    QVERIFY(text.endsWith(QStringLiteral("Nothing was sent to the device.")));
}

QTEST_GUILESS_MAIN(DownloadMessagesTest)
#include "tst_downloadmessages.moc"
