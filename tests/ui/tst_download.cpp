// SPDX-License-Identifier: MIT
#include "CloseGuard.h"
#include "DownloadCommand.h"
#include "DownloadExamples.h"
#include "DownloadStream.h"
#include "PortChecks.h"
#include "PortResolver.h"
#include "ScriptedPrompts.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "ShellCommands.h"
#include "TestWindow.h"
#include "VirtualDevice.h"

#include <QAction>
#include <QLabel>
#include <QPoint>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

// The Download command as the window shows it: the real window and command, a
// real serial port opened on a pseudo-terminal and the virtual device. What the
// line carries, its pace and its failures are tst_downloadsession's.
class DownloadTest : public QObject {
    Q_OBJECT

private slots:
    void streamReachesDevice_data();
    void streamReachesDevice();
    void cancelWritesNothing();
    void portCannotBeOpened();
    void hangUpMidStream();
    void sequenceTakesNoEditsWhileDownloading();
    void closingWindowDuringDownload_data();
    void closingWindowDuringDownload();
};

namespace {

using Answer = UserPrompts::Answer;
using Outcome = DownloadCommand::Outcome;

constexpr int DownloadTimeoutMs = 15000;

const QString Title =
    QStringLiteral("Download to STROBIX  -  Programmable LED Sequencer/Flasher...");
const QString Instructions = QStringLiteral(
    "\r 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then\r\r"
    " 2)  Wait till all LEDS come on and stay on, then\r\r"
    " 3)  With all LEDs lit, Press 'OK' to download to Strobix...");

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
    window->setPortResolver(PortResolver::oneDevice(device));
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
    QCOMPARE(window.prompts().messages.size(), 1); // the instructions only
}

// The port the settings name is the one tried; its problem is the only box.
void DownloadTest::portCannotBeOpened()
{
    TestWindow window;
    window->setPortResolver(PortResolver::discovering([] { return PortLocator(); }));
    window->settings().setCommPort(3);
    startServoTest(window);
    window.prompts().nextAnswer(Answer::Ok);
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);

    window->menuDownload()->trigger();

    QCOMPARE(waitForEnd(ended), Outcome::NotOpened);
    QCOMPARE(window.prompts().messages.size(), 1); // the problem, not the instructions
    const UserPrompts::Message& box = window.prompts().messages.first();
    QCOMPARE(box.title, Title);
    QVERIFY2(box.text.startsWith(QStringLiteral("Serial port 3 reaches no device")),
             qPrintable(box.text));
    QCOMPARE(box.icon, UserPrompts::Icon::Exclamation);
    QCOMPARE(box.buttons, UserPrompts::Buttons::Ok);
    verifyWindowNormal(window.window());
    verifyTestEnded(window);
}

// The failure is told once the window is back to normal.
void DownloadTest::hangUpMidStream()
{
    TestWindow window;
    DownloadReceiver::Options options;
    options.hangUpAfter = 10;
    VirtualDevice device(options);
    device.start();
    pointAt(window, device.path());
    window.prompts().nextAnswer(Answer::Ok);
    bool toldWithWindowNormal = false;
    window.prompts().nextAnswer([&](const UserPrompts::Message&) {
        toldWithWindowNormal =
            !window->progressBar()->isVisible() && window->downloadButton()->isEnabled();
        return Answer::Ok;
    });
    QSignalSpy ended(&window->downloadCommand(), &DownloadCommand::ended);

    window->menuDownload()->trigger();

    QCOMPARE(waitForEnd(ended), Outcome::Failed);
    QCOMPARE(window.prompts().messages.size(), 2);
    const UserPrompts::Message& box = window.prompts().messages.last();
    QVERIFY2(box.text.startsWith(QStringLiteral("The download stopped at record")),
             qPrintable(box.text));
    QCOMPARE(box.buttons, UserPrompts::Buttons::Ok);
    QVERIFY(toldWithWindowNormal);
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
