// SPDX-License-Identifier: MIT
#include "PortLocator.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

// Port numbers over lists of port descriptions, as the system would give them.
class PortLocatorTest : public QObject {
    Q_OBJECT

private slots:
    void numbering_data();
    void numbering();
    void windowsKeepsComNumbers();
    void describe_data();
    void describe();
    void orderIgnoresListingOrder();
};

namespace {

using Platform = PortLocator::Platform;

// "ttyUSB0", "ttyS1-" (a built-in slot with no UART), "cu.x", "ttyXRUSB0+" (USB by ids).
SerialPortDescription port(QString shorthand)
{
    SerialPortDescription description;
    if (shorthand.endsWith(QLatin1Char('-'))) {
        description.hardware = false;
        shorthand.chop(1);
    }
    if (shorthand.endsWith(QLatin1Char('+')) || shorthand.startsWith(QLatin1String("ttyUSB"))
        || shorthand.startsWith(QLatin1String("ttyACM"))) {
        description.vendorId = 0x0403;
        description.productId = 0x6001;
        if (shorthand.endsWith(QLatin1Char('+')))
            shorthand.chop(1);
    }
    description.name = shorthand;
    description.location =
        shorthand.startsWith(QLatin1String("COM")) ? shorthand : QStringLiteral("/dev/") + shorthand;
    return description;
}

QList<SerialPortDescription> ports(const QStringList& shorthands)
{
    QList<SerialPortDescription> list;
    for (const QString& shorthand : shorthands)
        list << port(shorthand);
    return list;
}

QStringList names(const PortLocator& locator)
{
    QStringList list;
    for (int number = 0; number <= PortLocator::PortNumbers + 1; ++number) {
        const auto found = locator.port(number);
        if (found)
            list << QStringLiteral("%1=%2").arg(number).arg(found->name);
    }
    return list;
}

} // namespace

void PortLocatorTest::numbering_data()
{
    QTest::addColumn<Platform>("platform");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("expected"); // number=name for every number that reaches a port

    QTest::newRow("linux: no ports at all") << Platform::Linux << QStringList{} << QStringList{};
    QTest::newRow("linux: USB and ACM adapters before built-in ports")
        << Platform::Linux
        << QStringList{"ttyS0", "ttyACM0", "ttyUSB1", "ttyS1", "ttyUSB0", "ttyACM1"}
        << QStringList{"1=ttyUSB0", "2=ttyUSB1", "3=ttyACM0", "4=ttyACM1", "5=ttyS0", "6=ttyS1"};
    QTest::newRow("linux: an ACM adapter is port 1 without a ttyUSB")
        << Platform::Linux << QStringList{"ttyS0", "ttyACM0"}
        << QStringList{"1=ttyACM0", "2=ttyS0"};
    QTest::newRow("linux: built-in slots without a UART are skipped")
        << Platform::Linux << QStringList{"ttyS0-", "ttyS1", "ttyS2-", "ttyS3-"}
        << QStringList{"1=ttyS1"};
    QTest::newRow("linux: only empty built-in slots")
        << Platform::Linux << QStringList{"ttyS0-", "ttyS1-", "ttyS2-", "ttyS3-"} << QStringList{};
    QTest::newRow("linux: numbers compare as numbers")
        << Platform::Linux << QStringList{"ttyUSB10", "ttyUSB2", "ttyUSB1"}
        << QStringList{"1=ttyUSB1", "2=ttyUSB2", "3=ttyUSB10"};
    QTest::newRow("linux: other USB serial devices follow ttyUSB and ttyACM")
        << Platform::Linux << QStringList{"ttyAMA0", "ttyXRUSB0+", "ttyACM0"}
        << QStringList{"1=ttyACM0", "2=ttyXRUSB0", "3=ttyAMA0"};
    QTest::newRow("linux: more than 8 ports, the ninth has no number")
        << Platform::Linux << QStringList{"ttyS3",   "ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyUSB3",
                                          "ttyUSB4", "ttyUSB5", "ttyUSB6", "ttyUSB7", "ttyS0"}
        << QStringList{"1=ttyUSB0", "2=ttyUSB1", "3=ttyUSB2", "4=ttyUSB3",
                       "5=ttyUSB4", "6=ttyUSB5", "7=ttyUSB6", "8=ttyUSB7"};
    QTest::newRow("mac: cu devices in name order, tty devices do not count")
        << Platform::MacOS
        << QStringList{"cu.usbserial-A1", "tty.usbserial-A1", "cu.Bluetooth-Incoming-Port"}
        << QStringList{"1=cu.Bluetooth-Incoming-Port", "2=cu.usbserial-A1"};
}

void PortLocatorTest::numbering()
{
    QFETCH(Platform, platform);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, expected);

    const PortLocator locator(ports(listed), platform);
    QCOMPARE(names(locator), expected);
    for (int number = 1; number <= PortLocator::PortNumbers; ++number) {
        const QString device = locator.device(number);
        QCOMPARE(device.isEmpty(), number > expected.size());
        if (!device.isEmpty())
            QVERIFY(locator.present().contains(device));
    }
    QVERIFY(locator.present().size() <= PortLocator::PortNumbers);
}

void PortLocatorTest::windowsKeepsComNumbers()
{
    SerialPortDescription com3 = port(QStringLiteral("COM3+"));
    com3.description = QStringLiteral("Prolific USB-to-Serial Comm Port (COM3)");
    com3.manufacturer = QStringLiteral("Prolific");
    const PortLocator locator({port(QStringLiteral("COM7")), com3}, Platform::Windows);
    for (int number = 1; number <= PortLocator::PortNumbers; ++number)
        QCOMPARE(locator.device(number), QStringLiteral("COM%1").arg(number));
    QCOMPARE(locator.describe(3),
             QStringLiteral("COM3\nProlific USB-to-Serial Comm Port (COM3), Prolific 0403:6001"));
    QCOMPARE(locator.describe(7), QStringLiteral("COM7"));
    QCOMPARE(locator.describe(4), QStringLiteral("COM4\nno device"));
    QVERIFY(!locator.port(0));
    QVERIFY(!locator.port(9));
}

void PortLocatorTest::describe_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("USB adapter: device, description, ids, stable name")
        << 1
        << QStringLiteral("/dev/ttyUSB0\nFT232R USB UART, USB 0403:6001\n"
                          "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    QTest::newRow("built-in port: device and description only")
        << 2 << QStringLiteral("/dev/ttyS0\n16550A");
    QTest::newRow("none present lists what there is")
        << 3
        << QStringLiteral(
               "none present\nthis computer has 2 serial ports: /dev/ttyUSB0, /dev/ttyS0");
}

void PortLocatorTest::describe()
{
    QFETCH(int, number);
    QFETCH(QString, expected);

    SerialPortDescription adapter = port(QStringLiteral("ttyUSB0"));
    adapter.description = QStringLiteral("FT232R USB UART");
    adapter.stableName = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    SerialPortDescription builtIn = port(QStringLiteral("ttyS0"));
    builtIn.description = QStringLiteral("16550A");
    const PortLocator locator({builtIn, port(QStringLiteral("ttyS1-")), adapter}, Platform::Linux);
    QCOMPARE(locator.describe(number), expected);
    QCOMPARE(PortLocator({}, Platform::Linux).describe(1),
             QStringLiteral("none present\nthis computer has no serial port"));
}

// The numbering depends on which ports exist, never on the order the system
// happens to list them in; USB adapters always come before built-in ports and
// no empty built-in slot gets a number.
void PortLocatorTest::orderIgnoresListingOrder()
{
    const QStringList pool{"ttyUSB0", "ttyUSB1", "ttyUSB12", "ttyACM0", "ttyACM3",       "ttyS0",
                           "ttyS1-",  "ttyS2",   "ttyS3-",   "ttyAMA0", "ttyCH9344USB0+"};
    QRandomGenerator random(20261207);
    for (int round = 0; round < 200; ++round) {
        QStringList listed;
        for (const QString& shorthand : pool) {
            if (random.bounded(2))
                listed << shorthand;
        }
        const PortLocator reference(ports(listed), Platform::Linux);
        std::shuffle(listed.begin(), listed.end(), random);
        const PortLocator shuffled(ports(listed), Platform::Linux);
        QCOMPARE(names(shuffled), names(reference));

        const QList<SerialPortDescription>& ordered = reference.ordered();
        const auto firstBuiltIn = std::find_if(ordered.cbegin(), ordered.cend(),
                                               [](const auto& p) { return !p.isUsb(); });
        QVERIFY(
            std::none_of(firstBuiltIn, ordered.cend(), [](const auto& p) { return p.isUsb(); }));
        QVERIFY(std::all_of(ordered.cbegin(), ordered.cend(),
                            [](const auto& p) { return p.hardware; }));
        const qsizetype present =
            std::count_if(listed.cbegin(), listed.cend(),
                          [](const QString& s) { return !s.endsWith(QLatin1Char('-')); });
        QCOMPARE(ordered.size(), present);
    }
}

QTEST_GUILESS_MAIN(PortLocatorTest)
#include "tst_portlocator.moc"
