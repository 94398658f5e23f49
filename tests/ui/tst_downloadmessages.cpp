#include "DownloadMessages.h"
#include "SerialLink.h"

#include <QTest>

// What the user is told when a port cannot be opened: Qt's error plus what the
// program can find out about the device decide which fix is offered.
class DownloadMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void openFailureAdvice_data();
    void openFailureAdvice();
};

void DownloadMessagesTest::openFailureAdvice_data()
{
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("advice");

    QTest::newRow("no such device") << QSerialPort::DeviceNotFoundError << false << false
                                    << QStringLiteral("Plug in the USB-serial adapter");
    QTest::newRow("no rights to the device") << QSerialPort::PermissionError << true << false
#if defined(Q_OS_LINUX)
                                             << QStringLiteral("'dialout' group");
#else
                                             << QStringLiteral("administrator");
#endif
    QTest::newRow("device locked or busy") << QSerialPort::PermissionError << true << true
                                           << QStringLiteral("Another program is using this port");
    QTest::newRow("device vanished while opening") << QSerialPort::PermissionError << false << false
                                                   << QStringLiteral("Plug in the USB-serial adapter");
    QTest::newRow("line settings refused") << QSerialPort::UnsupportedOperationError << true << true
                                           << QStringLiteral("cannot be set to 2400 baud");
    QTest::newRow("no hardware behind the node") << QSerialPort::ResourceError << true << true
                                                 << QStringLiteral("cannot be set to 2400 baud");
}

void DownloadMessagesTest::openFailureAdvice()
{
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(bool, exists);
    QFETCH(bool, writable);
    QFETCH(QString, advice);

    const SerialLink::OpenResult result{SerialLink::classify(error, exists, writable),
                                        QStringLiteral("the system's words")};
    const QString text = DownloadMessages::openFailed(4, QStringLiteral("/dev/ttyUSB3"), result);
    QVERIFY2(text.contains(advice), qPrintable(text));
    QVERIFY(text.startsWith(QStringLiteral("Serial port 4 (/dev/ttyUSB3) could not be opened:\rthe system's words\r")));
    QVERIFY(text.endsWith(QStringLiteral("Nothing was sent to the device.")));
}

QTEST_GUILESS_MAIN(DownloadMessagesTest)
#include "tst_downloadmessages.moc"
