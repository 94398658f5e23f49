// SPDX-License-Identifier: MIT
#include "PortLocator.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Port numbers to devices, with a temporary folder standing in for /dev.
class PortLocatorTest : public QObject {
    Q_OBJECT

private slots:
    void device_data();
    void device();
    void describe_data();
    void describe();
};

namespace {

using Platform = PortLocator::Platform;

void createDevices(const QTemporaryDir& dir, const QStringList& names)
{
    for (const QString& name : names) {
        if (name.startsWith(QLatin1Char('@'))) { // "@name": a link to nothing
            QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(name.mid(1)));
            continue;
        }
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

} // namespace

void PortLocatorTest::device_data()
{
    QTest::addColumn<Platform>("platform");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("expected"); // name in the folder; "" for none

    const QStringList pc{QStringLiteral("ttyS0"), QStringLiteral("ttyS1"), QStringLiteral("ttyS2"),
                         QStringLiteral("ttyS3")};
    QTest::newRow("linux: USB adapter is port 1")
        << Platform::Linux << pc + QStringList{QStringLiteral("ttyUSB0"), QStringLiteral("ttyACM0")}
        << 1 << QStringLiteral("ttyUSB0");
    QTest::newRow("linux: ACM before the built-in port")
        << Platform::Linux << pc + QStringList{QStringLiteral("ttyACM0")} << 1
        << QStringLiteral("ttyACM0");
    QTest::newRow("linux: built-in port when nothing is plugged in")
        << Platform::Linux << pc << 1 << QStringLiteral("ttyS0");
    QTest::newRow("linux: port 2 is the second adapter")
        << Platform::Linux << pc + QStringList{QStringLiteral("ttyUSB0"), QStringLiteral("ttyUSB1")}
        << 2 << QStringLiteral("ttyUSB1");
    QTest::newRow("linux: port 8, none present") << Platform::Linux << pc << 8 << QString();
    QTest::newRow("linux: a dangling link is no device")
        << Platform::Linux << QStringList{QStringLiteral("@ttyUSB4"), QStringLiteral("ttyS4")} << 5
        << QStringLiteral("ttyS4");
    QTest::newRow("linux: port 0 is no port") << Platform::Linux << pc << 0 << QString();
    QTest::newRow("linux: port 9 is no port")
        << Platform::Linux << QStringList{QStringLiteral("ttyUSB8")} << 9 << QString();

    const QStringList mac{QStringLiteral("cu.usbserial-A1"),
                          QStringLiteral("cu.Bluetooth-Incoming-Port"),
                          QStringLiteral("tty.usbserial-A1"), QStringLiteral("cu.debug-console")};
    QTest::newRow("mac: first cu device by name")
        << Platform::MacOS << mac << 1 << QStringLiteral("cu.Bluetooth-Incoming-Port");
    QTest::newRow("mac: third cu device, tty devices do not count")
        << Platform::MacOS << mac << 3 << QStringLiteral("cu.usbserial-A1");
    QTest::newRow("mac: beyond the last device") << Platform::MacOS << mac << 4 << QString();
}

void PortLocatorTest::device()
{
    QFETCH(Platform, platform);
    QFETCH(QStringList, present);
    QFETCH(int, port);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    createDevices(dir, present);
    const PortLocator locator(platform, dir.path());
    QCOMPARE(locator.device(port), expected.isEmpty() ? QString() : dir.filePath(expected));
}

void PortLocatorTest::describe_data()
{
    QTest::addColumn<Platform>("platform");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("expected"); // %1: the folder

    QTest::newRow("windows names COM ports without looking")
        << Platform::Windows << QStringList{} << 3 << QStringLiteral("COM3");
    QTest::newRow("linux: the device found")
        << Platform::Linux << QStringList{QStringLiteral("ttyACM2")} << 3
        << QStringLiteral("%1/ttyACM2");
    QTest::newRow("linux: none present names where it looked")
        << Platform::Linux << QStringList{} << 2
        << QStringLiteral("none present (no %1/ttyUSB1, %1/ttyACM1, %1/ttyS1)");
    QTest::newRow("mac: none present")
        << Platform::MacOS << QStringList{QStringLiteral("cu.a")} << 2
        << QStringLiteral("none present (fewer than 2 %1/cu.* devices)");
}

void PortLocatorTest::describe()
{
    QFETCH(Platform, platform);
    QFETCH(QStringList, present);
    QFETCH(int, port);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    createDevices(dir, present);
    const PortLocator locator(platform, dir.path());
    QCOMPARE(locator.describe(port), QString(expected).replace(QStringLiteral("%1"), dir.path()));
}

QTEST_GUILESS_MAIN(PortLocatorTest)
#include "tst_portlocator.moc"
