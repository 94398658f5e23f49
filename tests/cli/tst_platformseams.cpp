// SPDX-License-Identifier: MIT
// The platform pieces below the download, checked through their one header on
// whichever platform the suite is built for (Linux, and Windows under Wine):
// the terminal input of --download, and the serial port's refusals and line.

#include "SystemSerialPort.h"
#include "TerminalInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

constexpr char ChildMode[] = "--read-one-line";

// The child: reads one line as --download does and reports it in hex, or
// reports a stop request.
int readOneLine(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    TerminalInput input;
    input.watchStopRequests();
    QObject::connect(&input, &TerminalInput::lineRead, &app,
                     [](const QByteArray& line, bool complete) {
                         std::printf("line '%s' %s\n", line.toHex().constData(),
                                     complete ? "complete" : "cut");
                         QCoreApplication::exit(0);
                     });
    QObject::connect(&input, &TerminalInput::stopRequested, &app, [] {
        std::printf("stop\n");
        QCoreApplication::exit(3);
    });
    input.readLine();
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

QString missingDevice()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM250");
#else
    return QStringLiteral("/nonexistent-folder/ttyUSB9");
#endif
}

} // namespace

class PlatformSeamsTest : public QObject {
    Q_OBJECT

private slots:
    void readsOneLineFromStandardInput_data();
    void readsOneLineFromStandardInput();
    void stopSignalReachesTheEventLoop();
    void missingDeviceIsRefusedAsNotFound();
    void lastingNameReachesTheDeviceFromElsewhere();
    void openSetsTheLineAndCloseRestoresIt();

private:
    void startChild(QProcess& child);
};

void PlatformSeamsTest::startChild(QProcess& child)
{
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(ChildMode)});
    QVERIFY(child.waitForStarted(20000));
    // Blocking waits: the child's output pipe is read here, not by an event loop.
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(20000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("ready"), said.constData());
}

void PlatformSeamsTest::readsOneLineFromStandardInput_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("reported");
    // The answer to "Press Enter": the line without its end, and whether one came.
    QTest::newRow("empty line") << QByteArray("\n") << QByteArray("line '' complete");
    QTest::newRow("word") << QByteArray("n\n") << QByteArray("line '6e' complete");
    QTest::newRow("only the first line") << QByteArray("yes\nno\n")
                                         << QByteArray("line '796573' complete");
    QTest::newRow("ended without a line end")
        << QByteArray("abc") << QByteArray("line '616263' cut");
    QTest::newRow("ended at once") << QByteArray() << QByteArray("line '' cut");
}

void PlatformSeamsTest::readsOneLineFromStandardInput()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, reported);
    QProcess child;
    startChild(child);
    child.write(typed);
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput().trimmed(), reported);
}

void PlatformSeamsTest::stopSignalReachesTheEventLoop()
{
#ifdef Q_OS_UNIX
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        QProcess child;
        startChild(child);
        ::kill(pid_t(child.processId()), signal);
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 3);
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("stop"));
    }
#else
    QSKIP("Windows sends console control events only to a console's own processes");
#endif
}

void PlatformSeamsTest::missingDeviceIsRefusedAsNotFound()
{
    SystemSerialPort port;
    const auto failure = port.open(missingDevice(), 2400);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->refusal, SystemSerialPort::Refusal::NotFound);
    QVERIFY(!failure->exists);
    QVERIFY(!failure->reason.isEmpty());
    QVERIFY(!port.isOpen());
}

void PlatformSeamsTest::lastingNameReachesTheDeviceFromElsewhere()
{
#ifdef Q_OS_WIN
    // Device names, not files: the working folder does not enter into them.
    for (const QString& device : {QStringLiteral("COM5"), QStringLiteral("\\\\.\\COM12")})
        QCOMPARE(SystemSerialPort::lastingName(device), device);
#else
    QCOMPARE(SystemSerialPort::lastingName(QStringLiteral("/dev/ttyUSB0")),
             QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(SystemSerialPort::lastingName(QStringLiteral("pts/7")),
             QDir::current().absoluteFilePath(QStringLiteral("pts/7")));
#endif
}

void PlatformSeamsTest::openSetsTheLineAndCloseRestoresIt()
{
#ifdef Q_OS_UNIX
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QString device = QString::fromLocal8Bit(::ptsname(master));
    const int watcher = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    QVERIFY(watcher >= 0);
    termios before{};
    ::tcgetattr(watcher, &before);
    // What the port had before: another speed and two stop bits (a
    // pseudo-terminal keeps no parity).
    ::cfsetspeed(&before, B9600);
    before.c_cflag |= CSTOPB;
    ::tcsetattr(watcher, TCSANOW, &before);

    SystemSerialPort port;
    QVERIFY(!port.open(device, 2400).has_value());
    termios line{};
    ::tcgetattr(watcher, &line);
    QCOMPARE(::cfgetospeed(&line), speed_t(B2400));
    QCOMPARE(line.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(line.c_cflag & (CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(line.c_oflag & OPOST, tcflag_t(0)); // bytes leave as they are

    const QByteArray bytes("\x55\x0a\x00\xff", 4);
    QVERIFY(port.write(bytes));
    QByteArray arrived;
    pollfd ready{master, POLLIN, 0};
    while (arrived.size() < bytes.size() && ::poll(&ready, 1, 5000) > 0) {
        char buffer[16];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        QVERIFY(got > 0);
        arrived.append(buffer, got);
    }
    QCOMPARE(arrived, bytes);

    port.close();
    termios after{};
    ::tcgetattr(watcher, &after);
    QCOMPARE(::cfgetospeed(&after), speed_t(B9600));
    QCOMPARE(after.c_cflag & CSTOPB, tcflag_t(CSTOPB));
    ::close(watcher);
    ::close(master);
#else
    QSKIP("a Windows port needs Wine's port mapping: scripts/windows/test-wine.sh checks it");
#endif
}

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], ChildMode) == 0)
        return readOneLine(argc, argv);
    QCoreApplication app(argc, argv);
    PlatformSeamsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platformseams.moc"
