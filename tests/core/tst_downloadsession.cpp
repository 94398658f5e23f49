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
    void download_data();
    void download();
    void numberReachesAdapterInListedOrder();
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

SerialPortDescription adapter(const QTemporaryDir& folder, const char* name)
{
    SerialPortDescription port;
    port.name = QLatin1String(name);
    port.location = folder.filePath(port.name);
    port.vendorId = port.name.startsWith(QLatin1String("ttyS")) ? -1 : 0x0403;
    return port;
}

} // namespace

void DownloadSessionTest::download_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("target"); // %1: the pseudo-terminal; empty: no device at all
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("heldElsewhere");
    QTest::addColumn<int>("hangUpAfter"); // records the device reads before it hangs up; -1: never
    QTest::addColumn<int>(
        "stopAfter"); // records sent before; -1: while the user is asked; -2: never
    QTest::addColumn<bool>("abandon"); // the program closes, else the user stops it
    QTest::addColumn<Outcome>("outcome");
    // The first part starts the message, the others are in it; none: no message.
    // %1: the device, %2: the record after the last one the device received.
    QTest::addColumn<QStringList>("told");

    const QByteArray startUp = DownloadExamples::startUpStream();
    const QString pty = QStringLiteral("%1");
    QTest::newRow("start-up sequence")
        << startUp << pty << 1 << false << -1 << -2 << false << Outcome::Completed << QStringList();
    // The line is raw: values equal to LF, CR and "*" go out as they are.
    QTest::newRow("LF, CR and * as values")
        << HexText::bytes(QStringLiteral("2A 0D 0A 0A 0D 0A 0D 0D 0A ")
                          + HexText::repeat(QStringLiteral("00 0D 0A"), 48) + QLatin1Char(' ')
                          + HexText::repeat(QStringLiteral("0F 0D 0A"), 4)
                          + QStringLiteral(" 2A 0D 0A 00 0D 0A"))
        << pty << 1 << false << -1 << -2 << false << Outcome::Completed << QStringList();
    QTest::newRow("number reaches no device")
        << startUp << QString() << 3 << false << -1 << -2 << false << Outcome::NotOpened
        << QStringList{QStringLiteral("Serial port 3 reaches no device"),
                       QStringLiteral("this computer has no serial port"),
                       QStringLiteral("Plug in"), QStringLiteral("Nothing was sent")};
    QTest::newRow("named device missing")
        << startUp << QStringLiteral("/dev/ttyUSB-strobix-missing") << 0 << false << -1 << -2
        << false << Outcome::NotOpened
        << QStringList{
               QStringLiteral("Serial device /dev/ttyUSB-strobix-missing could not be opened"),
               QStringLiteral("No such file or directory"), QStringLiteral("Plug in")};
    QTest::newRow("port held by another program")
        << startUp << pty << 3 << true << -1 << -2 << false << Outcome::NotOpened
        << QStringList{QStringLiteral("Serial port 3 (%1) could not be opened"),
                       QStringLiteral("Another program is using this port")};
    // The front end says nothing was sent, its own way.
    QTest::newRow("cancelled before sending")
        << startUp << pty << 1 << false << -1 << -1 << false << Outcome::Cancelled << QStringList();
    QTest::newRow("cancelled while sending")
        << startUp << pty << 1 << false << -1 << 3 << false << Outcome::Cancelled
        << QStringList{QStringLiteral(
               "The download to serial port 1 (%1) was cancelled after 3 of 56 records")};
    QTest::newRow("abandoned while sending")
        << startUp << pty << 1 << false << -1 << 3 << true << Outcome::Abandoned << QStringList();
    QTest::newRow("device hangs up")
        << startUp << pty << 1 << false << 10 << -2 << false << Outcome::Failed
        << QStringList{
               QStringLiteral("The download stopped at record %2 of 56 on serial port 1 (%1)")};
}

void DownloadSessionTest::download()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, target);
    QFETCH(int, port);
    QFETCH(bool, heldElsewhere);
    QFETCH(int, hangUpAfter);
    QFETCH(int, stopAfter);
    QFETCH(bool, abandon);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, told);
    DownloadReceiver::Options options;
    options.hangUpAfter = hangUpAfter;
    VirtualDevice device(options);
    QVERIFY(device.isValid());
    device.start();
    const QString path = target.replace(QStringLiteral("%1"), device.path());
    QSerialPort other(path);
    if (heldElsewhere)
        QVERIFY(other.open(QIODevice::WriteOnly));
    const PortResolver ports = path.isEmpty()
                                   ? PortResolver::discovering([] { return PortLocator(); })
                                   : PortResolver::oneDevice(path);
    DownloadSession session(ports);
    QSignalSpy marker(&session, &DownloadSession::markerSent);
    QSignalSpy records(&session, &DownloadSession::recordSent);
    QSignalSpy ended(&session, &DownloadSession::ended);
    const auto stop = [&] { abandon ? session.abandon() : session.cancel(); };
    connect(&session, &DownloadSession::recordSent, &session, [&](int index) {
        if (index + 1 == stopAfter)
            stop();
    });

    if (outcome == Outcome::NotOpened) {
        QVERIFY(!session.open(port));
        QCOMPARE(ended.size(), 1); // at once: there is nothing to wait for
    } else {
        QVERIFY(session.open(port));
        QVERIFY(!portIsFree(path)); // held while the user is asked
        QCOMPARE(session.device(), path);
        if (stopAfter == -1)
            stop();
        session.send(stream); // after a stop: too late, nothing goes
        QCOMPARE(session.isSending(), stopAfter != -1);
    }

    const Ending ending = waitForEnd(ended);
    QCOMPARE(ending.outcome, outcome);
    QVERIFY(!session.isSending());
    other.close();
    if (path == device.path() && outcome != Outcome::Failed) // a hung-up line is gone
        QVERIFY(portIsFree(path));
    if (outcome != Outcome::Completed && outcome != Outcome::Failed)
        device.stop();
    const DownloadReceiver::Reception reception = device.finish();
    // A receiver woken late reads more than it was asked to before it hangs
    // up; the first write that finds the line gone is the record after those.
    const int received =
        (int(reception.bytes.size()) - DownloadStream::RecordSize) / DownloadStream::RecordSize;
    for (int part = 0; part < told.size(); ++part) {
        const QString text = QString(told.at(part))
                                 .replace(QStringLiteral("%1"), path)
                                 .replace(QStringLiteral("%2"), QString::number(received + 1));
        QVERIFY2(part == 0 ? ending.message.startsWith(text) : ending.message.contains(text),
                 qPrintable(ending.message));
    }
    if (told.isEmpty())
        QCOMPARE(ending.message, QString());
    QCoreApplication::processEvents(); // a failure on its way would end it twice
    QCOMPARE(ended.size(), 1);

    switch (outcome) {
    case Outcome::Completed: {
        QCOMPARE(marker.size(), 1);
        QCOMPARE(records.size(), DownloadStream::RecordCount);
        for (int index = 0; index < records.size(); ++index)
            QCOMPARE(records.at(index).first().toInt(), index);
        QCOMPARE(reception.bytes.toHex(' '), stream.toHex(' '));
        QCOMPARE(reception.lineProblems, QStringList()); // 2400 baud, 8N1, raw
        const StreamAnalysis analysis(reception.bytes, reception.arrivalNs,
                                      DownloadStream::RecordCount, DeviceLatenessMs);
        QVERIFY2(analysis.ok(), qPrintable(analysis.violations().join(QLatin1Char('\n'))));
        break;
    }
    case Outcome::Failed:
        QCOMPARE(reception.end, DownloadReceiver::End::HungUp);
        QVERIFY(received >= hangUpAfter);
        QCOMPARE(session.failedRecord(), received);
        break;
    case Outcome::NotOpened:
        QCOMPARE(reception.bytes, QByteArray());
        break;
    default: // stopped
        QVERIFY(reception.bytes.size() <= (stopAfter + 1) * DownloadStream::RecordSize);
        QVERIFY(stream.startsWith(reception.bytes));
    }
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
