// SPDX-License-Identifier: MIT
#include "CloseGuard.h"
#include "DownloadCommand.h"
#include "DownloadExamples.h"
#include "DownloadStream.h"
#include "HexText.h"
#include "PortChecks.h"
#include "PortLocator.h"
#include "ScriptedPrompts.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "ShellCommands.h"
#include "StreamAnalysis.h"
#include "TestWindow.h"
#include "VirtualDevice.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPoint>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

// The Download command end to end: the real window and command, a real serial
// port opened on a pseudo-terminal, and the virtual device receiving on its own
// thread with arrival stamps.
class DownloadTest : public QObject {
    Q_OBJECT

private slots:
    void streamReachesDevice_data();
    void streamReachesDevice();
    void cancelWritesNothing();
    void portCannotBeOpened_data();
    void portCannotBeOpened();
    void hangUpMidStream();
    void sequenceTakesNoEditsWhileDownloading();
    void devsimProgramChecksDownload();
    void closingWindowDuringDownload_data();
    void closingWindowDuringDownload();
};

namespace {

using Answer = UserPrompts::Answer;
using Outcome = DownloadCommand::Outcome;

// Allowance for a byte noticed late on the device's side. The kernel hands
// pseudo-terminal data to the reader through a worker thread, and on a loaded
// machine (sanitizer suites running in parallel on two cores) both may be
// tens of milliseconds late; a record noticed late only shortens the gap
// after it. So the device's side checks only what survives that: the marker
// first, the framing, the first record no sooner than 550 ms, the whole
// stream no shorter than 3300 ms and no gap collapsed, all less this
// allowance. The sender's own never-early pacing is checked exactly, on its
// own clock, in tst_pacedsender.
constexpr double DeviceLatenessMs = 35.0;
constexpr double WholeStreamMs = 550.0 + 55 * 50.0; // marker to the 56th record
constexpr int DownloadTimeoutMs = 15000;

const QString Title =
    QStringLiteral("Download to STROBIX  -  Programmable LED Sequencer/Flasher...");
const QString Instructions = QStringLiteral(
    "\r 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then\r\r"
    " 2)  Wait till all LEDS come on and stay on, then\r\r"
    " 3)  With all LEDs lit, Press 'OK' to download to Strobix...");

using HexText::repeat;
QByteArray hex(const QString& text)
{
    return HexText::bytes(text);
}

void verifyDeviceTiming(const DownloadReceiver::Reception& reception)
{
    const StreamAnalysis analysis(reception.bytes, reception.arrivalNs, DownloadStream::RecordCount,
                                  DeviceLatenessMs);
    QVERIFY2(analysis.ok(), qPrintable(analysis.violations().join(QLatin1Char('\n'))));
    QVERIFY2(analysis.timing().totalMs >= WholeStreamMs - DeviceLatenessMs,
             qPrintable(QString::number(analysis.timing().totalMs)));
}

// A visual test started by the Test command with LED 1 under servo control:
// the stick takes the Settings button's place.
void startServoTest(TestWindow& window)
{
    window->setUp()->setServoMode(0, 0);
    window->menuTest()->trigger();
    QVERIFY(window->playback().isRunning());
    QVERIFY(window->servoStick()->isVisible());
    QVERIFY(!window->settingsButton()->isVisible());
}

// The test the command stopped has wound down once the command let go of it.
void verifyTestEnded(TestWindow& window)
{
    QVERIFY(!window->playback().isRunning());
    QTRY_VERIFY(!window->playback().isPlaying());
    QVERIFY(window->settingsButton()->isVisible());
    QCOMPARE(window->testButton()->text(), QStringLiteral("Test"));
    QVERIFY(!window->servoStick()->isVisible());
}

QList<QPushButton*> commandButtons(WindowUnderTest& window)
{
    return {window.testButton(), window.settingsButton(), window.downloadButton(),
            window.openButton(), window.saveButton()};
}

QList<QAction*> lockedActions(WindowUnderTest& window)
{
    return {window.menuDownload(), window.menuTest(), window.menuOpen(),     window.menuSave(),
            window.menuMerge(),    window.menuNew(),  window.menuSettings(), window.menuExit()};
}

void verifyWindowNormal(WindowUnderTest& window)
{
    for (QPushButton* button : commandButtons(window))
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    for (QAction* action : lockedActions(window))
        QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(window.exitButton()->isEnabled());
    QVERIFY(window.settingsButton()->isVisible());
    QVERIFY(!window.downloadLabel()->isVisible());
    QVERIFY(!window.progressBar()->isVisible());
}

void verifyWindowSending(WindowUnderTest& window)
{
    for (QPushButton* button : commandButtons(window))
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    for (QAction* action : lockedActions(window))
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(!window.exitButton()->isEnabled());
    QVERIFY(!window.settingsButton()->isVisible());
    QVERIFY(window.downloadLabel()->isVisible());
    QVERIFY(window.progressBar()->isVisible());
}

void pointAt(TestWindow& window, const QString& device)
{
    window->downloadCommand().setPortResolver([device](int) { return device; });
}

Outcome waitForEnd(QSignalSpy& ended)
{
    if (ended.isEmpty() && !ended.wait(DownloadTimeoutMs))
        return Outcome::Abandoned;
    return ended.first().first().value<Outcome>();
}

} // namespace

void DownloadTest::streamReachesDevice_data()
{
    QTest::addColumn<QList<QPoint>>("litCells"); // (led, event)
    QTest::addColumn<QList<int>>("servoModes");
    QTest::addColumn<int>("picSpeed");
    QTest::addColumn<int>("lastEvent");
    QTest::addColumn<bool>("viaButton");
    QTest::addColumn<bool>("settingsOpen"); // the settings dialog was left open before
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("start-up state, DOWNLOAD button")
        << QList<QPoint>{} << QList<int>{15, 15, 15, 15} << 30 << 49 << true << false
        << DownloadExamples::startUpStream();
    QTest::newRow("worked example, Download menu, settings open")
        << QList<QPoint>{{0, 0}, {2, 0}, {1, 1}} << QList<int>{0, 15, 15, 15} << 30 << 1 << false
        << true << DownloadExamples::workedExampleStream();
    QTest::newRow("LF, CR and * as values, last event 0")
        << QList<QPoint>{{1, 0}, {3, 0}, {0, 1}, {2, 1}, {3, 1}} << QList<int>{15, 15, 15, 15} << 42
        << 0 << false << false
        << hex(QStringLiteral("2A 0D 0A 0A 0D 0A 0D 0D 0A ")
               + repeat(QStringLiteral("00 0D 0A"), 48) + QLatin1Char(' ')
               + repeat(QStringLiteral("0F 0D 0A"), 4) + QStringLiteral(" 2A 0D 0A 00 0D 0A"));
}

void DownloadTest::streamReachesDevice()
{
    QFETCH(QList<QPoint>, litCells);
    QFETCH(QList<int>, servoModes);
    QFETCH(int, picSpeed);
    QFETCH(int, lastEvent);
    QFETCH(bool, viaButton);
    QFETCH(bool, settingsOpen);
    QFETCH(QByteArray, expected);

    TestWindow window;
    VirtualDevice device;
    QVERIFY(device.isValid());
    device.start();
    pointAt(window, device.path());
    for (const QPoint& cell : litCells)
        window->setUp()->setCell(cell.x(), cell.y(), 1);
    for (int led = 0; led < 4; ++led)
        window->setUp()->setServoMode(led, servoModes[led]);
    window->setUp()->setLastEvent(lastEvent);
    window->settings().setPicSpeed(picSpeed);
    if (settingsOpen)
        window->menuSettings()->trigger();
    // A running visual test is stopped first.
    window->menuTest()->trigger();
    QVERIFY(window->playback().isRunning());

    bool askedWithPortOpen = false;
    bool askedWithButtonsDisabled = false;
    bool askedWithTestStopped = false;
    bool askedWithProgressHidden = false;
    window.prompts().nextAnswer([&](const UserPrompts::Message&) {
        askedWithPortOpen = !portIsFree(device.path());
        askedWithButtonsDisabled = !window->downloadButton()->isEnabled()
                                   && !window->settingsButton()->isEnabled()
                                   && window->settingsButton()->isVisible();
        askedWithTestStopped = !window->playback().isRunning();
        askedWithProgressHidden =
            !window->downloadLabel()->isVisible() && !window->progressBar()->isVisible();
        return Answer::Ok;
    });
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);
    QSignalSpy progress(window->progressBar(), &QProgressBar::valueChanged);

    if (viaButton)
        TestWindow::click(window->downloadButton(), window->downloadButton()->rect().center());
    else
        window->menuDownload()->trigger();

    QVERIFY(askedWithPortOpen);
    QVERIFY(askedWithButtonsDisabled);
    QVERIFY(askedWithTestStopped);
    QVERIFY(askedWithProgressHidden);
    QTRY_VERIFY(window->progressBar()->value() >= 1);
    verifyWindowSending(window.window());
    SettingsDialog* settingsDialog = window->settingsCommand()->loadedDialog();
    QCOMPARE(settingsDialog != nullptr, settingsOpen); // not loaded just to be locked
    if (settingsDialog) {
        QVERIFY(settingsDialog->isVisible());
        QVERIFY(!settingsDialog->okButton()->isEnabled());
    }
    // Edits made while the stream goes out do not change what is sent.
    window->setUp()->setCell(3, 49, 1);

    QCOMPARE(waitForEnd(ended), Outcome::Completed);
    const DownloadReceiver::Reception reception = device.finish();
    QCOMPARE(reception.bytes.toHex(' '), expected.toHex(' '));
    QCOMPARE(reception.lineProblems, QStringList());
    verifyDeviceTiming(reception);

    QCOMPARE(window.prompts().messages.size(), 1); // no message on success
    const UserPrompts::Message& box = window.prompts().messages.first();
    QCOMPARE(box.title, Title);
    QCOMPARE(box.text, Instructions);
    QCOMPARE(box.icon, UserPrompts::Icon::Exclamation);
    QCOMPARE(box.buttons, UserPrompts::Buttons::OkCancel);

    QCOMPARE(progress.size(), 56); // 0 at the marker, then each record's index up to 55
    for (int step = 0; step < progress.size(); ++step)
        QCOMPARE(progress.at(step).first().toInt(), step);
    QCOMPARE(window->progressBar()->maximum(), 56);
    verifyWindowNormal(window.window());
    if (settingsDialog)
        QVERIFY(settingsDialog->okButton()->isEnabled());
    QVERIFY(portIsFree(device.path()));
    verifyTestEnded(window);
}

void DownloadTest::cancelWritesNothing()
{
    TestWindow window;
    VirtualDevice device;
    device.start();
    pointAt(window, device.path());
    startServoTest(window);
    window.prompts().nextAnswer(Answer::Cancel);
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);

    window->menuDownload()->trigger();

    QCOMPARE(waitForEnd(ended), Outcome::Cancelled);
    QVERIFY(portIsFree(device.path()));
    verifyWindowNormal(window.window());
    verifyTestEnded(window);
    QTest::qWait(700); // longer than the marker's pause: nothing may follow later
    device.stop();
    QCOMPARE(device.finish().bytes, QByteArray());
    QCOMPARE(window.prompts().messages.size(), 1);
}

void DownloadTest::portCannotBeOpened_data()
{
    QTest::addColumn<QString>("device"); // "%1": the pseudo-terminal
    QTest::addColumn<bool>("heldElsewhere");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("number reaches no device")
        << QString() << false
        << QStringList{QStringLiteral("Serial port 3 reaches no device"),
                       QStringLiteral("Plug in")};
    QTest::newRow("adapter unplugged")
        << QStringLiteral("/dev/ttyUSB-strobix-unplugged") << false
        << QStringList{
               QStringLiteral("Serial port 3 (/dev/ttyUSB-strobix-unplugged) could not be opened"),
               QStringLiteral("No such file or directory"), QStringLiteral("Plug in")};
    QTest::newRow("port held by another program")
        << QStringLiteral("%1") << true
        << QStringList{QStringLiteral("Serial port 3 (%1) could not be opened"),
                       QStringLiteral("Another program is using this port")};
}

void DownloadTest::portCannotBeOpened()
{
    QFETCH(QString, device);
    QFETCH(bool, heldElsewhere);
    QFETCH(QStringList, told);

    TestWindow window;
    VirtualDevice terminal;
    terminal.start();
    const QString path = QString(device).replace(QStringLiteral("%1"), terminal.path());
    QSerialPort other(path);
    if (heldElsewhere)
        QVERIFY(other.open(QIODevice::WriteOnly));
    pointAt(window, path);
    window->settings().setCommPort(3);
    startServoTest(window);
    window.prompts().nextAnswer(Answer::Ok);
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);

    window->menuDownload()->trigger();

    QCOMPARE(waitForEnd(ended), Outcome::NotOpened);
    QCOMPARE(window.prompts().messages.size(), 1); // the error, not the instructions
    const UserPrompts::Message& box = window.prompts().messages.first();
    for (const QString& part : told)
        QVERIFY2(box.text.contains(QString(part).replace(QStringLiteral("%1"), terminal.path())),
                 qPrintable(box.text));
    QCOMPARE(box.buttons, UserPrompts::Buttons::Ok);
    verifyWindowNormal(window.window());
    verifyTestEnded(window);
    other.close();
    terminal.stop();
    QCOMPARE(terminal.finish().bytes, QByteArray());
}

void DownloadTest::hangUpMidStream()
{
    TestWindow window;
    DownloadReceiver::Options options;
    options.hangUpAfter = 10;
    VirtualDevice device(options);
    device.start();
    pointAt(window, device.path());
    window.prompts().nextAnswer(Answer::Ok);
    window.prompts().nextAnswer(Answer::Ok);
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);

    window->menuDownload()->trigger();

    QCOMPARE(waitForEnd(ended), Outcome::Failed);
    const DownloadReceiver::Reception reception = device.finish();
    QCOMPARE(reception.end, DownloadReceiver::End::HungUp);
    // The device hangs up once it has read 10 records; a receiver woken late
    // reads more in one go. The record after the last one received is the
    // first write that finds the line gone.
    const int received =
        (int(reception.bytes.size()) - DownloadStream::RecordSize) / DownloadStream::RecordSize;
    QVERIFY(received >= 10);
    QCOMPARE(window.prompts().messages.size(), 2);
    const QString told = window.prompts().messages.last().text;
    QVERIFY2(told.contains(QStringLiteral("record %1 of 56").arg(received + 1)), qPrintable(told));
    QVERIFY2(told.contains(QStringLiteral("serial port 1 (%1)").arg(device.path())),
             qPrintable(told));
    QCOMPARE(window.prompts().unexpected, QStringList());
    verifyWindowNormal(window.window());
}

// Neither keys nor mouse change the sequence while the download asks or sends
// (undo included), so the device gets what the screen shows; afterwards the
// history is there as before.
void DownloadTest::sequenceTakesNoEditsWhileDownloading()
{
    TestWindow window;
    VirtualDevice device;
    device.start();
    pointAt(window, device.path());
    TestWindow::click(window->grid(), window->grid()->cellCenter(0, 0));
    const QByteArray atOk =
        DownloadStream::build(window->sequence(), window->settings().picSpeed());
    QWindow* handle = window->windowHandle();
    // Space goes to whatever has the focus once the grid is off: only while
    // sending, when every button that Space could press is off too.
    auto tryToEdit = [&](bool space) {
        QVERIFY(!window->undoAction()->isEnabled());
        QVERIFY(!window->grid()->isEnabled());
        QTest::keyClick(handle, Qt::Key_Z, Qt::ControlModifier);
        TestWindow::click(window->grid(), window->grid()->cellCenter(1, 1));
        if (space)
            QTest::keyClick(handle, Qt::Key_Space);
        window->document().setLastEvent(3);
        QCOMPARE(DownloadStream::build(window->sequence(), window->settings().picSpeed()), atOk);
    };
    window.prompts().nextAnswer([&](const UserPrompts::Message&) {
        tryToEdit(false);
        return Answer::Ok;
    });
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);
    window->menuDownload()->trigger();
    QTRY_VERIFY(window->progressBar()->value() >= 1);
    tryToEdit(true);

    QCOMPARE(waitForEnd(ended), Outcome::Completed);
    QCOMPARE(device.finish().bytes, atOk);
    QVERIFY(window->grid()->isEnabled());
    QVERIFY(window->undoAction()->isEnabled());
    QTest::keyClick(handle, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->sequence().cell(0, 0), 0);
}

void DownloadTest::devsimProgramChecksDownload()
{
    // The simulator links its terminal where a USB adapter would appear, and
    // the port number reaches it through the same numbering as a real adapter.
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

    TestWindow window;
    QList<SerialPortDescription> ports;
    for (const char* name : {"ttyS0", "ttyUSB1", "ttyACM0", "ttyUSB0"}) {
        SerialPortDescription port;
        port.name = QLatin1String(name);
        port.location = devices.filePath(port.name);
        port.vendorId = port.name.startsWith(QLatin1String("ttyS")) ? -1 : 0x0403;
        ports << port;
    }
    const PortLocator locator(ports, PortLocator::Platform::Linux);
    window->downloadCommand().setPortResolver([locator](int port) { return locator.device(port); });
    window->settings().setCommPort(2);
    window->setUp()->setCell(0, 0, 1);
    window->setUp()->setCell(2, 0, 1);
    window->setUp()->setCell(1, 1, 1);
    window->setUp()->setServoMode(0, 0);
    window->setUp()->setLastEvent(1);
    window.prompts().nextAnswer(Answer::Ok);
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);
    window->menuDownload()->trigger();
    QCOMPARE(waitForEnd(ended), Outcome::Completed);

    QVERIFY(devsim.waitForFinished(5000));
    const QString report = QString::fromLocal8Bit(devsim.readAll());
    QVERIFY(!QFileInfo::exists(path)); // the simulator removes its link
    QCOMPARE(devsim.exitCode(), 0);
    for (const QString& line :
         {QStringLiteral("LED#1   #................................................."),
          QStringLiteral("LED#2   .#................................................"),
          QStringLiteral("LED#3   #................................................."),
          QStringLiteral("Servo mode LED#1:  0 OFF"), QStringLiteral("Servo mode LED#4: 15 NONE"),
          QStringLiteral("PICSpeed: 30"), QStringLiteral("LastEvent: 1"),
          QStringLiteral("Line settings: 2400 baud, 8N1, raw"), QStringLiteral("Verdict: OK")})
        QVERIFY2(report.contains(line), qPrintable(report));
}

void DownloadTest::closingWindowDuringDownload_data()
{
    QTest::addColumn<bool>("whileAsking"); // closed while the download's question is open
    QTest::addColumn<Answer>("answer");    // to the question the close asks
    QTest::addColumn<bool>("leftOpen");    // ... or that question is left unanswered
    QTest::newRow("while asking") << true << Answer::Cancel << false;
    QTest::newRow("sending, let it finish") << false << Answer::Cancel << false;
    QTest::newRow("sending, stop it") << false << Answer::Ok << false;
    QTest::newRow("sending, question left open") << false << Answer::Ok << true;
}

void DownloadTest::closingWindowDuringDownload()
{
    QFETCH(bool, whileAsking);
    QFETCH(Answer, answer);
    QFETCH(bool, leftOpen);
    TestWindow window;
    int endings = 0;
    window->shellCommands()->setProgramEnder([&endings] { ++endings; });
    VirtualDevice device;
    device.start();
    pointAt(window, device.path());
    bool closedWhileAsking = false;
    window.prompts().nextAnswer([&](const UserPrompts::Message&) {
        if (whileAsking)
            closedWhileAsking = window->close();
        return Answer::Ok;
    });
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);
    window->menuDownload()->trigger();
    if (!whileAsking) {
        QTRY_VERIFY(window->progressBar()->value() >= 2);
        if (leftOpen) {
            // The box stays until the download's end withdraws it.
            window.prompts().nextAnswer([&](const UserPrompts::Message&) {
                // Checked below: the withdrawal is counted.
                (void)QTest::qWaitFor([&] { return window.prompts().withdrawals > 0; }, 30000);
                return answer;
            });
        } else {
            window.prompts().nextAnswer(answer);
            if (answer == Answer::Ok)
                window.prompts().nextAnswer(Answer::Ok);
        }
        window->close();
    }
    const bool stopped = !whileAsking && answer == Answer::Ok && !leftOpen;
    const bool closes = stopped || leftOpen;

    const Outcome outcome = waitForEnd(ended);
    QCOMPARE(outcome, stopped ? Outcome::Abandoned : Outcome::Completed);
    QCOMPARE(window.prompts().withdrawals, leftOpen ? 1 : 0);
    QCOMPARE(window->isVisible(), !closes);
    QCOMPARE(endings, closes ? 1 : 0);
    QVERIFY(!closedWhileAsking);
    QVERIFY(portIsFree(device.path()));
    device.stop();
    const QByteArray received = device.finish().bytes;
    QCOMPARE(received.size() == DownloadStream::ByteCount, !stopped);
    QVERIFY(window.prompts().unexpected.isEmpty());
    QStringList asked;
    for (const UserPrompts::Message& message : window.prompts().messages.mid(1))
        asked << message.text;
    if (whileAsking)
        QCOMPARE(asked, QStringList());
    else if (stopped)
        QCOMPARE(asked, (QStringList{CloseGuard::downloadRunningQuestion(),
                                     CloseGuard::downloadStoppedMessage()}));
    else
        QCOMPARE(asked, QStringList{CloseGuard::downloadRunningQuestion()});
}

QTEST_MAIN(DownloadTest)
#include "tst_download.moc"
