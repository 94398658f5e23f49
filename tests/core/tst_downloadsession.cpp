// SPDX-License-Identifier: MIT
#include "DownloadExamples.h"
#include "DownloadSession.h"
#include "DownloadStream.h"
#include "PortChecks.h"
#include "PortResolver.h"
#include "StreamAnalysis.h"
#include "VirtualDevice.h"

#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// One download below both front ends: a real serial port opened on a
// pseudo-terminal, the virtual device receiving on its own thread.
class DownloadSessionTest : public QObject {
    Q_OBJECT

private slots:
    void streamReachesDevice_data();
    void streamReachesDevice();
    void numberReachesAdapterInListedOrder();
    void cannotOpen_data();
    void cannotOpen();
    void stop_data();
    void stop();
    void hangUpNamesRecord();
    void oneDeviceTakesEveryNumber();
};

namespace {

using Outcome = DownloadSession::Outcome;

// Allowance for a byte noticed late on the device's side: the kernel hands
// pseudo-terminal data on through a worker thread, which may be tens of
// milliseconds late on a loaded machine. A late record only shortens the gap
// after it, so only never-early survives the allowance; the sender's exact
// pace is checked on its own clock in tst_pacedsender.
constexpr double DeviceLatenessMs = 35.0;
constexpr int DownloadTimeoutMs = 15000;

struct Ending {
    Outcome outcome = Outcome::Abandoned;
    QString message;
};

Ending waitForEnd(QSignalSpy& ended)
{
    if (ended.isEmpty() && !ended.wait(DownloadTimeoutMs))
        return {Outcome::Abandoned, QStringLiteral("(no end)")};
    return {ended.first().at(0).value<Outcome>(), ended.first().at(1).toString()};
}

int recordsIn(const QByteArray& bytes)
{
    return (int(bytes.size()) - DownloadStream::RecordSize) / DownloadStream::RecordSize;
}

SerialPortDescription adapter(const QTemporaryDir& folder, const char* name)
{
    SerialPortDescription port;
    port.name = QLatin1String(name);
    port.location = folder.filePath(port.name);
    port.vendorId = port.name.startsWith(QLatin1String("ttyS")) ? -1 : 0x0403;
    return port;
}

} // namespace

void DownloadSessionTest::streamReachesDevice_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::newRow("start-up sequence") << DownloadExamples::startUpStream();
    // The line is raw: values equal to LF, CR and "*" go out as they are.
    QTest::newRow("LF, CR and * as values") << HexText::bytes(
        QStringLiteral("2A 0D 0A 0A 0D 0A 0D 0D 0A ")
        + HexText::repeat(QStringLiteral("00 0D 0A"), 48) + QLatin1Char(' ')
        + HexText::repeat(QStringLiteral("0F 0D 0A"), 4) + QStringLiteral(" 2A 0D 0A 00 0D 0A"));
}

void DownloadSessionTest::streamReachesDevice()
{
    QFETCH(QByteArray, stream);
    VirtualDevice device;
    QVERIFY(device.isValid());
    device.start();
    const PortResolver ports = PortResolver::oneDevice(device.path());
    DownloadSession session(ports);
    QSignalSpy marker(&session, &DownloadSession::markerSent);
    QSignalSpy records(&session, &DownloadSession::recordSent);
    QSignalSpy ended(&session, &DownloadSession::ended);

    QVERIFY(session.open(1));
    QVERIFY(!portIsFree(device.path())); // held while the user is asked
    QCOMPARE(session.device(), device.path());
    session.send(stream);
    QVERIFY(session.isSending());

    const Ending ending = waitForEnd(ended);
    QCOMPARE(ending.outcome, Outcome::Completed);
    QCOMPARE(ending.message, QString());
    QCOMPARE(ended.size(), 1);
    QCOMPARE(marker.size(), 1);
    QCOMPARE(records.size(), DownloadStream::RecordCount);
    for (int index = 0; index < records.size(); ++index)
        QCOMPARE(records.at(index).first().toInt(), index);
    QVERIFY(portIsFree(device.path()));
    const DownloadReceiver::Reception reception = device.finish();
    QCOMPARE(reception.bytes.toHex(' '), stream.toHex(' '));
    QCOMPARE(reception.lineProblems, QStringList()); // 2400 baud, 8N1, raw
    const StreamAnalysis analysis(reception.bytes, reception.arrivalNs, DownloadStream::RecordCount,
                                  DeviceLatenessMs);
    QVERIFY2(analysis.ok(), qPrintable(analysis.violations().join(QLatin1Char('\n'))));
}

// The simulator links its terminal where a USB adapter would appear; port 2
// reaches it through the numbering real adapters get (ttyUSB before ttyACM
// before built-in ports, numbers compared as numbers).
void DownloadSessionTest::numberReachesAdapterInListedOrder()
{
    QTemporaryDir devices;
    QProcess devsim;
    devsim.start(QStringLiteral(STROBIX_DEVSIM),
                 {QStringLiteral("--timeout"), QStringLiteral("20"),
                  QStringLiteral("--tolerance-ms"), QString::number(DeviceLatenessMs),
                  QStringLiteral("--link"), devices.filePath(QStringLiteral("ttyUSB1"))});
    QVERIFY(devsim.waitForStarted());
    QString path;
    while (path.isEmpty() && devsim.waitForReadyRead(5000)) {
        while (devsim.canReadLine()) {
            const QString line = QString::fromLocal8Bit(devsim.readLine()).trimmed();
            if (line.startsWith(QStringLiteral("link: ")))
                path = line.mid(6).section(QStringLiteral(" -> "), 0, 0);
        }
    }
    QCOMPARE(path, devices.filePath(QStringLiteral("ttyUSB1")));
    const PortLocator locator({adapter(devices, "ttyS0"), adapter(devices, "ttyUSB1"),
                               adapter(devices, "ttyACM0"), adapter(devices, "ttyUSB0")},
                              PortLocator::Platform::Linux);
    const PortResolver ports = PortResolver::discovering([locator] { return locator; });
    DownloadSession session(ports);
    QSignalSpy ended(&session, &DownloadSession::ended);

    QVERIFY(session.open(2));
    session.send(DownloadExamples::workedExampleStream());
    QCOMPARE(waitForEnd(ended).outcome, Outcome::Completed);

    QVERIFY(devsim.waitForFinished(5000));
    const QString report = QString::fromLocal8Bit(devsim.readAll());
    QVERIFY(!QFileInfo::exists(path)); // the simulator removes its link
    QCOMPARE(devsim.exitCode(), 0);
    for (const QString& line :
         {QStringLiteral("LED#1   #................................................."),
          QStringLiteral("LED#2   .#................................................"),
          QStringLiteral("Servo mode LED#1:  0 OFF"), QStringLiteral("PICSpeed: 30"),
          QStringLiteral("LastEvent: 1"), QStringLiteral("Line settings: 2400 baud, 8N1, raw"),
          QStringLiteral("Verdict: OK")})
        QVERIFY2(report.contains(line), qPrintable(report));
}

void DownloadSessionTest::cannotOpen_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("device"); // "%1": the pseudo-terminal; empty: no device
    QTest::addColumn<bool>("heldElsewhere");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("number reaches no device")
        << 3 << QString() << false
        << QStringList{QStringLiteral("Serial port 3 reaches no device"),
                       QStringLiteral("this computer has no serial port"),
                       QStringLiteral("Plug in"), QStringLiteral("Nothing was sent")};
    QTest::newRow("named device missing")
        << 0 << QStringLiteral("/dev/ttyUSB-strobix-missing") << false
        << QStringList{
               QStringLiteral("Serial device /dev/ttyUSB-strobix-missing could not be opened"),
               QStringLiteral("No such file or directory"), QStringLiteral("Plug in")};
    QTest::newRow("port held by another program")
        << 3 << QStringLiteral("%1") << true
        << QStringList{QStringLiteral("Serial port 3 (%1) could not be opened"),
                       QStringLiteral("Another program is using this port")};
}

void DownloadSessionTest::cannotOpen()
{
    QFETCH(int, port);
    QFETCH(QString, device);
    QFETCH(bool, heldElsewhere);
    QFETCH(QStringList, told);
    VirtualDevice terminal;
    terminal.start();
    const QString path = QString(device).replace(QStringLiteral("%1"), terminal.path());
    QSerialPort other(path);
    if (heldElsewhere)
        QVERIFY(other.open(QIODevice::WriteOnly));
    const PortResolver ports = path.isEmpty()
                                   ? PortResolver::discovering([] { return PortLocator(); })
                                   : PortResolver::oneDevice(path);
    DownloadSession session(ports);
    QSignalSpy ended(&session, &DownloadSession::ended);

    QVERIFY(!session.open(port));

    QCOMPARE(ended.size(), 1); // at once: there is nothing to wait for
    const Ending ending = waitForEnd(ended);
    QCOMPARE(ending.outcome, Outcome::NotOpened);
    for (const QString& part : told)
        QVERIFY2(ending.message.contains(QString(part).replace(QStringLiteral("%1"), path)),
                 qPrintable(ending.message));
    other.close();
    terminal.stop();
    QCOMPARE(terminal.finish().bytes, QByteArray());
}

void DownloadSessionTest::stop_data()
{
    QTest::addColumn<int>("afterRecords"); // -1: while the user is asked
    QTest::addColumn<bool>("abandon");     // the program closes, else the user stops it
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message"); // %1: the device
    // The front end says nothing was sent, its own way.
    QTest::newRow("cancelled before sending") << -1 << false << Outcome::Cancelled << QString();
    QTest::newRow("cancelled while sending")
        << 3 << false << Outcome::Cancelled
        << QStringLiteral("The download to serial port 1 (%1) was cancelled after 3 of 56 records");
    QTest::newRow("abandoned while sending") << 3 << true << Outcome::Abandoned << QString();
}

void DownloadSessionTest::stop()
{
    QFETCH(int, afterRecords);
    QFETCH(bool, abandon);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);
    VirtualDevice device;
    device.start();
    const PortResolver ports = PortResolver::oneDevice(device.path());
    DownloadSession session(ports);
    QSignalSpy ended(&session, &DownloadSession::ended);
    const auto stop = [&] { abandon ? session.abandon() : session.cancel(); };
    connect(&session, &DownloadSession::recordSent, &session, [&](int index) {
        if (index + 1 == afterRecords)
            stop();
    });
    QVERIFY(session.open(1));
    if (afterRecords < 0)
        stop();
    session.send(DownloadExamples::startUpStream()); // after a stop: too late, nothing goes

    const Ending ending = waitForEnd(ended);
    QCOMPARE(ending.outcome, outcome);
    const QString expected = message.isEmpty() ? QString() : message.arg(device.path());
    QCOMPARE(ending.message.left(expected.size()), expected);
    QCOMPARE(ending.message.isEmpty(), expected.isEmpty());
    QVERIFY(!session.isSending());
    QVERIFY(portIsFree(device.path()));
    device.stop();
    const QByteArray received = device.finish().bytes;
    QVERIFY(received.size() <= (afterRecords + 1) * DownloadStream::RecordSize);
    QVERIFY(DownloadExamples::startUpStream().startsWith(received));
    QCoreApplication::processEvents(); // a failure on its way would end it twice
    QCOMPARE(ended.size(), 1);
}

void DownloadSessionTest::hangUpNamesRecord()
{
    DownloadReceiver::Options options;
    options.hangUpAfter = 10;
    VirtualDevice device(options);
    device.start();
    const PortResolver ports = PortResolver::oneDevice(device.path());
    DownloadSession session(ports);
    QSignalSpy ended(&session, &DownloadSession::ended);
    QVERIFY(session.open(1));
    session.send(DownloadExamples::startUpStream());

    const Ending ending = waitForEnd(ended);
    QCOMPARE(ending.outcome, Outcome::Failed);
    const DownloadReceiver::Reception reception = device.finish();
    QCOMPARE(reception.end, DownloadReceiver::End::HungUp);
    // A receiver woken late reads more than ten records before it hangs up; the
    // first write that finds the line gone is the record after those it read.
    const int received = recordsIn(reception.bytes);
    QVERIFY(received >= 10);
    QCOMPARE(session.failedRecord(), received);
    QVERIFY2(ending.message.startsWith(
                 QStringLiteral("The download stopped at record %1 of 56 on serial port 1 (%2)")
                     .arg(received + 1)
                     .arg(device.path())),
             qPrintable(ending.message));
    QCOMPARE(ended.size(), 1);
}

// --device: the one device named, whichever number the settings hold.
void DownloadSessionTest::oneDeviceTakesEveryNumber()
{
    const PortResolver named = PortResolver::oneDevice(QStringLiteral("/dev/pts/7"));
    for (int port = 0; port <= PortLocator::PortNumbers; ++port) {
        QCOMPARE(named.reach(port).device, QStringLiteral("/dev/pts/7"));
        QCOMPARE(named.describe(port), QStringLiteral("/dev/pts/7"));
    }
    QCOMPARE(named.reach(1).present, QStringList());
    QCOMPARE(PortResolver::oneDevice(QString()).describe(1), QStringLiteral("none present"));
}

QTEST_GUILESS_MAIN(DownloadSessionTest)
#include "tst_downloadsession.moc"
