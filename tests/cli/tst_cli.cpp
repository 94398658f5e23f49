// SPDX-License-Identifier: MIT
#include "DownloadExamples.h"
#include "DownloadStream.h"
#include "FileFixtures.h"
#include "SequenceFileWriter.h"
#include "SequenceLink.h"
#include "VirtualDevice.h"

#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The real strobix executable, run the way a script runs it. The modes
// without a window run with no display and the xcb platform asked for: one
// that touched the display would abort. What --download prints and the exit
// codes are checked here; the download itself in tst_downloadsession.
class CliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutWindow_data();
    void withoutWindow();
    void downloadReachesDevice();
    void downloadFailures_data();
    void downloadFailures();
    void powerUpPrompt_data();
    void powerUpPrompt();
    void terminatedWhileSending();
    void opensInWindow_data();
    void opensInWindow();

private:
    QString fill(QString text) const;

    QTemporaryDir m_dir;
    QString m_example;     // the worked example: LEDs 1 and 3 at event 0, LED 2 at event 1
    QString m_exampleLink; // its "seq=" value
    QString m_garbage;
};

namespace {

constexpr int RunTimeoutMs = 20000;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QProcessEnvironment noDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

void start(QProcess& process, const QStringList& arguments,
           const QProcessEnvironment& environment = noDisplay(), const QString& folder = {})
{
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(STROBIX_EXE), arguments);
    QVERIFY(process.waitForStarted());
}

Run finish(QProcess& process)
{
    Run run;
    if (!process.waitForFinished(RunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

Run runStrobix(const QStringList& arguments, const QByteArray& input = {}, bool closeInput = true,
               const QString& folder = {})
{
    QProcess process;
    start(process, arguments, noDisplay(), folder);
    process.write(input);
    if (closeInput)
        process.closeWriteChannel();
    return finish(process);
}

int recordsIn(const QByteArray& bytes)
{
    return (int(bytes.size()) - DownloadStream::RecordSize) / DownloadStream::RecordSize;
}

} // namespace

void CliTest::initTestCase()
{
    SequenceFile file;
    file.events[0] = 1 + 4;
    file.events[1] = 2;
    file.servoModes[0] = ServoControl::Off;
    file.lastEvent = 1;
    m_example = m_dir.filePath(QStringLiteral("example.dat"));
    QVERIFY(SequenceFileWriter().save(m_example, file).ok);
    m_exampleLink = SequenceLink::encode(file);
    m_garbage = FileFixtures::writeFile(m_dir.filePath(QStringLiteral("garbage.dat")),
                                        QByteArray("not a sequence\r\n"));
}

// %1: the example, %2: the garbage file, %3: the example's link value.
QString CliTest::fill(QString text) const
{
    return text.replace(QStringLiteral("%1"), m_example)
        .replace(QStringLiteral("%2"), m_garbage)
        .replace(QStringLiteral("%3"), m_exampleLink);
}

void CliTest::withoutWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QStringList>("err");

    QTest::newRow("help") << QStringList{"--help"} << 0
                          << QStringList{"Usage: strobix", "--download <file>",
                                         "3  the serial port cannot be opened"}
                          << QStringList{};
    QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{"strobix 1.0.0\n"}
                             << QStringList{};
    QTest::newRow("print") << QStringList{"--print", "%1"} << 0
                           << QStringList{"        12345678901234567890",
                                          "LED#1   #.........",
                                          "LED#2   .#........",
                                          "LED#3   #.........",
                                          "LED#4   ..........",
                                          "\n         ^ last event (2)\n",
                                          "LED#1   colour White    servo mode  0 OFF",
                                          "LED#4   colour White    servo mode 15 NONE",
                                          "Sequencer delay (PICSpeed): 30 ms",
                                          "LED test speed (PCSpeed): 20 ms"}
                           << QStringList{};
    QTest::newRow("print a bad file")
        << QStringList{"--print", "%2"} << 2 << QStringList{}
        << QStringList{"Cannot read %2\nLine 1: expected value 1 of 65"};
    QTest::newRow("print a missing file") << QStringList{"--print", "%1.missing"} << 2
                                          << QStringList{} << QStringList{"Cannot read %1.missing"};
    QTest::newRow("print link") << QStringList{"--print-link", "%1"} << 0
                                << QStringList{"\n#seq=%3\n"} << QStringList{};
    QTest::newRow("print whole link")
        << QStringList{"--print-link", "%1", "--link-base", "https://example.org/strobix/"} << 0
        << QStringList{"\nhttps://example.org/strobix/#seq=%3\n"} << QStringList{};
    QTest::newRow("print link of a bad file")
        << QStringList{"--print-link", "%2", "--link-base", "https://example.org/"} << 2
        << QStringList{} << QStringList{"Cannot read %2\nLine 1:", "No link was printed."};
    QTest::newRow("print link without a file") << QStringList{"--print-link"} << 1 << QStringList{}
                                               << QStringList{"Missing value after '--print-link'"};
    QTest::newRow("link base without print link")
        << QStringList{"--print", "%1", "--link-base", "https://example.org/"} << 1 << QStringList{}
        << QStringList{"--link-base goes with --print-link"};
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << QStringList{}
                                    << QStringList{"Unknown option 'bogus'", "strobix --help"};
    // --language: the help, Qt's part of it and the complaints speak it, and
    // name the program as the English help does; the report stays English.
    QTest::newRow("help in German")
        << QStringList{"--language", "de", "--help"} << 0
        << QStringList{"Aufruf: strobix [", "Editor und Programmiergerät",
                       "3  die serielle Schnittstelle"}
        << QStringList{};
    QTest::newRow("usage error in French")
        << QStringList{"--language", "fr", "--port", "2"} << 1 << QStringList{}
        << QStringList{"--port va avec --download", "Essayez « strobix --help »"};
    QTest::newRow("the report in any language")
        << QStringList{"--language", "pl", "--print", "%1"} << 0
        << QStringList{"LED#1   colour White    servo mode  0 OFF"} << QStringList{};
    QTest::newRow("unknown language")
        << QStringList{"--language", "xx"} << 1 << QStringList{}
        << QStringList{"--language takes one of en, cs, de, es, fr, it, nl, pl, not 'xx'"};
    QTest::newRow("download with port and device")
        << QStringList{"--download", "%1", "--port", "1", "--device", "/dev/null"} << 1
        << QStringList{} << QStringList{"either --port or --device"};
}

void CliTest::withoutWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    QFETCH(QStringList, err);

    for (QString& argument : arguments)
        argument = fill(argument);
    const Run run = runStrobix(arguments);
    QCOMPARE(run.exitCode, exitCode);
    for (const QString& part : out) // a line of its own where it starts with a line end
        QVERIFY2((u'\n' + run.out).contains(fill(part)), qPrintable(run.out));
    for (const QString& part : err)
        QVERIFY2(run.err.contains(fill(part)), qPrintable(run.err));
    if (out.isEmpty())
        QCOMPARE(run.out, QString());
    if (err.isEmpty())
        QCOMPARE(run.err, QString());
}

// Through a link named relative to the working folder, as a user in the
// folder of a by-id link would type it.
void CliTest::downloadReachesDevice()
{
    VirtualDevice device;
    QVERIFY(device.isValid());
    device.start();
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("lnk"));
    QVERIFY(QFile::link(device.path(), link));
    const Run run =
        runStrobix({"--download", m_example, "--device", "lnk", "--yes"}, {}, true, folder.path());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Press 'OK' to download")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("56 records sent to %1").arg(link)),
             qPrintable(run.out));
    QCOMPARE(run.err, QString());

    QCOMPARE(device.finish().bytes.toHex(' '), DownloadExamples::workedExampleStream().toHex(' '));
}

void CliTest::downloadFailures_data()
{
    QTest::addColumn<QString>("file");    // "garbage" or "example"
    QTest::addColumn<QString>("device");  // %1: the pseudo-terminal
    QTest::addColumn<int>("hangUpAfter"); // -1: the device stays
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("told"); // %2: the record after the last one received

    QTest::newRow("bad file: nothing sent")
        << "garbage"
        << "%1" << -1 << 2 << QStringList{"Cannot read", "Nothing was sent to the device."};
    QTest::newRow("missing device is named")
        << "example"
        << "/dev/ttyUSB-strobix-missing" << -1 << 3
        << QStringList{"Serial device /dev/ttyUSB-strobix-missing could not be opened",
                       "No such file or directory", "Nothing was sent"};
    QTest::newRow("line hung up mid-stream names the record")
        << "example"
        << "%1" << 10 << 4
        << QStringList{"The download stopped at record %2 of 56 on serial device %1",
                       "has not been programmed completely"};
}

void CliTest::downloadFailures()
{
    QFETCH(QString, file);
    QFETCH(QString, device);
    QFETCH(int, hangUpAfter);
    QFETCH(int, exitCode);
    QFETCH(QStringList, told);

    DownloadReceiver::Options options;
    options.hangUpAfter = hangUpAfter;
    VirtualDevice terminal(options);
    terminal.start();
    const QString path = QString(device).replace(QStringLiteral("%1"), terminal.path());
    const Run run =
        runStrobix({"--download", file == QLatin1String("garbage") ? m_garbage : m_example,
                    "--device", path, "--yes"});
    QCOMPARE(run.exitCode, exitCode);
    if (hangUpAfter < 0)
        terminal.stop();
    const DownloadReceiver::Reception reception = terminal.finish();
    if (hangUpAfter < 0)
        QCOMPARE(reception.bytes, QByteArray());
    // A receiver woken late reads more than asked before it hangs up; the
    // first write that finds the line gone is the record after those.
    const int failed = recordsIn(reception.bytes) + 1;
    for (const QString& part : told) {
        const QString expected = QString(part)
                                     .replace(QStringLiteral("%1"), terminal.path())
                                     .replace(QStringLiteral("%2"), QString::number(failed));
        QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    }
}

void CliTest::powerUpPrompt_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("bytes");

    QTest::newRow("Enter downloads") << QByteArray("\n") << 0 << DownloadStream::ByteCount;
    QTest::newRow("no cancels") << QByteArray("no\n") << 5 << 0;
    QTest::newRow("end of input cancels") << QByteArray() << 5 << 0;
}

void CliTest::powerUpPrompt()
{
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(int, bytes);

    VirtualDevice device;
    device.start();
    const Run run = runStrobix({"--download", m_example, "--device", device.path()}, input);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.contains(QStringLiteral("Press Enter to download")), qPrintable(run.out));
    if (bytes == 0) {
        device.stop(); // the program has ended: nothing can follow
        QVERIFY2(run.err.contains(QStringLiteral("Nothing was sent")), qPrintable(run.err));
    }
    QCOMPARE(int(device.finish().bytes.size()), bytes);
}

void CliTest::terminatedWhileSending()
{
    DownloadReceiver::Options options;
    options.stallTimeout = std::chrono::milliseconds(1500);
    VirtualDevice device(options);
    device.start();
    QProcess process;
    start(process, {"--download", m_example, "--device", device.path(), "--yes"});
    // Told just before the marker goes out; the signal is handled after it.
    QByteArray out;
    while (!out.contains("Sending to") && process.waitForReadyRead(RunTimeoutMs))
        out += process.readAllStandardOutput();
    ::kill(pid_t(process.processId()), SIGTERM);
    const Run run = finish(process);
    QCOMPARE(run.exitCode, 5);
    QVERIFY2(run.err.contains(QStringLiteral("was cancelled after")), qPrintable(run.err));
    device.stop(); // the program has ended; its marker may have been dropped unread
    const DownloadReceiver::Reception reception = device.finish();
    QVERIFY(reception.bytes.size() < DownloadStream::ByteCount);
}

void CliTest::opensInWindow_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("caption");
    const QString product = QStringLiteral("STROBIX  -  Programmable LED Sequencer/Flasher");
    QTest::newRow("file") << "%1" << product + QStringLiteral(" - example.dat");
    // A link is a new sequence, named after no file.
    QTest::newRow("whole link") << "https://example.org/strobix/#seq=%3" << product;
    QTest::newRow("fragment") << "#seq=%3" << product;
}

void CliTest::opensInWindow()
{
    QFETCH(QString, argument);
    QFETCH(QString, caption);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("strobix.startup.info=true"));
    QProcess process;
    process.setWorkingDirectory(m_dir.path()); // its LED.cfg
    process.setReadChannel(QProcess::StandardError);
    start(process, {fill(argument)}, environment);
    QString log;
    while ((!log.contains(QStringLiteral("last event")) || !log.endsWith(u'\n'))
           && process.waitForReadyRead(RunTimeoutMs))
        log += QString::fromLocal8Bit(process.readAllStandardError());
    process.kill();
    process.waitForFinished();
    QVERIFY2(log.contains(QStringLiteral("caption: %1 | last event: 1\n").arg(caption)),
             qPrintable(log));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
