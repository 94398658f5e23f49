// SPDX-License-Identifier: MIT
#include "LedConfig.h"
#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SettingsDialog& dialogOf(WindowUnderTest& window)
{
    return window.settingsCommand()->dialog();
}

SettingsDialog& openSettings(TestWindow& test)
{
    TestWindow::click(test->settingsButton(), test->settingsButton()->rect().center());
    SettingsDialog& dialog = dialogOf(test.window());
    if (!QTest::qWaitForWindowExposed(&dialog))
        qWarning("settings dialog not exposed");
    return dialog;
}

void press(QPushButton* button)
{
    TestWindow::click(button, button->rect().center());
}

void choose(SettingsDialog& dialog, int port, int pcSpeed, int picSpeed)
{
    dialog.commPortCombo()->setCurrentIndex(port - 1);
    dialog.pcSpeedCombo()->setCurrentIndex(pcSpeed - 1);
    dialog.picSpeedCombo()->setCurrentIndex(picSpeed - 1);
}

struct Shown {
    int port, pcSpeed, picSpeed;
};

Shown shownBy(const SettingsDialog& dialog)
{
    return {dialog.commPortCombo()->currentIndex() + 1, dialog.pcSpeedCombo()->currentIndex() + 1,
            dialog.picSpeedCombo()->currentIndex() + 1};
}

int settingOf(const ProgramSettings& settings, int list)
{
    return std::array{settings.commPort(), settings.pcSpeed(), settings.picSpeed()}[list];
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void loadedHiddenWithCurrentSettings_data();
    void loadedHiddenWithCurrentSettings();
    void listsHoldNumbersWithLeadingBlank();
    void okSavesPortForNextStartUp_data();
    void okSavesPortForNextStartUp();
    void cancelKeepsListsButNotSettings();
    void closeButtonDiscardsDialog();
    void settingsCommandStopsTestAndStaysNonModal();
    void speedListsFollowSettingsChangedElsewhere();
    void loadedSpeedsReplaceCancelledChoices();
    void escapeCancelsAndEnterConfirms_data();
    void escapeCancelsAndEnterConfirms();
    void keysWithListOpenActOnListOnly_data();
    void keysWithListOpenActOnListOnly();
    void firstListFocusedAndTabFollowsLayout();
    void unwritableConfigIsReportedAndSettingsKept();
    void portDeviceFollowsChosenPort();
    void portDeviceTextShownWhole_data();
    void portDeviceTextShownWhole();
};

void SettingsDialogTest::loadedHiddenWithCurrentSettings_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("port");
    QTest::newRow("port 3") << QByteArray("3\r\n") << 3;
    QTest::newRow("port 8") << QByteArray("8\r\n") << 8;
    QTest::newRow("blank then 5") << QByteArray(" 5\r\n") << 5;
    QTest::newRow("no file: port 1") << QByteArray() << 1;
}

void SettingsDialogTest::loadedHiddenWithCurrentSettings()
{
    QFETCH(QByteArray, config);
    QFETCH(int, port);
    TestWindow test(config);
    SettingsDialog* dialog = &test->settingsCommand()->dialog();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->windowTitle(),
             QStringLiteral("STROBIX  -  Programmable LED Sequencer/Flasher Settings..."));
    QCOMPARE(dialog->commPortCombo()->currentText(), QStringLiteral(" %1").arg(port));
    QCOMPARE(dialog->pcSpeedCombo()->currentText(), QStringLiteral(" 20"));
    QCOMPARE(dialog->picSpeedCombo()->currentText(), QStringLiteral(" 30"));
    QCOMPARE(test->settings().commPort(), port);
}

void SettingsDialogTest::listsHoldNumbersWithLeadingBlank()
{
    TestWindow test;
    SettingsDialog& dialog = dialogOf(test.window());
    const std::array<std::pair<QComboBox*, int>, 3> lists{
        {{dialog.commPortCombo(), 8}, {dialog.pcSpeedCombo(), 100}, {dialog.picSpeedCombo(), 100}}};
    for (const auto& [combo, count] : lists) {
        QCOMPARE(combo->count(), count);
        QVERIFY(!combo->isEditable());
        for (int position = 0; position < count; ++position)
            QCOMPARE(combo->itemText(position), QStringLiteral(" %1").arg(position + 1));
    }
}

void SettingsDialogTest::okSavesPortForNextStartUp_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("pcSpeed");
    QTest::addColumn<int>("picSpeed");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("port 3") << 3 << 12 << 45 << QByteArray("3\r\n");
    QTest::newRow("lowest") << 1 << 1 << 1 << QByteArray("1\r\n");
    QTest::newRow("highest") << 8 << 100 << 100 << QByteArray("8\r\n");
    QTest::newRow("unchanged") << 2 << 20 << 30 << QByteArray("2\r\n");
}

void SettingsDialogTest::okSavesPortForNextStartUp()
{
    QFETCH(int, port);
    QFETCH(int, pcSpeed);
    QFETCH(int, picSpeed);
    QFETCH(QByteArray, bytes);
    TestWindow test("2\r\n");
    SettingsDialog& dialog = openSettings(test);
    choose(dialog, port, pcSpeed, picSpeed);
    press(dialog.okButton());

    QVERIFY(!dialog.isVisible());
    QCOMPARE(test->settings().commPort(), port);
    QCOMPARE(test->settings().pcSpeed(), pcSpeed);
    QCOMPARE(test->settings().picSpeed(), picSpeed);
    QCOMPARE(fileBytes(test.configPath()), bytes);
    QVERIFY(test.prompts().messages.isEmpty());

    // Only the port survives into the next run.
    WindowUnderTest next(test.configPath());
    QCOMPARE(next.settings().commPort(), port);
    QCOMPARE(next.settings().pcSpeed(), 20);
    QCOMPARE(next.settings().picSpeed(), 30);
    QCOMPARE(dialogOf(next).commPortCombo()->currentIndex(), port - 1);
}

void SettingsDialogTest::cancelKeepsListsButNotSettings()
{
    TestWindow test("4\r\n");
    SettingsDialog& dialog = openSettings(test);
    choose(dialog, 7, 55, 66);
    press(dialog.cancelButton());

    QVERIFY(!dialog.isVisible());
    QCOMPARE(test->settings().commPort(), 4);
    QCOMPARE(test->settings().pcSpeed(), 20);
    QCOMPARE(test->settings().picSpeed(), 30);
    QCOMPARE(fileBytes(test.configPath()), QByteArray("4\r\n"));

    SettingsDialog& again = openSettings(test);
    QCOMPARE(&again, &dialog);
    const Shown shown = shownBy(again);
    QCOMPARE(shown.port, 7);
    QCOMPARE(shown.pcSpeed, 55);
    QCOMPARE(shown.picSpeed, 66);

    // A later OK applies what the lists show.
    press(again.okButton());
    QCOMPARE(test->settings().commPort(), 7);
    QCOMPARE(test->settings().pcSpeed(), 55);
    QCOMPARE(test->settings().picSpeed(), 66);
    QCOMPARE(fileBytes(test.configPath()), QByteArray("7\r\n"));
}

void SettingsDialogTest::closeButtonDiscardsDialog()
{
    TestWindow test("5\r\n");
    QPointer<SettingsDialog> first = &openSettings(test);
    choose(*first, 2, 77, 88);
    QVERIFY(first->close());
    QCOMPARE(test->settings().commPort(), 5);
    QCOMPARE(fileBytes(test.configPath()), QByteArray("5\r\n"));

    // Asked for again at once, before the closed one is gone.
    test->menuSettings()->trigger();
    SettingsDialog& fresh = dialogOf(test.window());
    QVERIFY(&fresh != first.data());
    QVERIFY(fresh.isVisible());
    QTRY_VERIFY(first.isNull());
    const Shown shown = shownBy(fresh);
    QCOMPARE(shown.port, 5);
    QCOMPARE(shown.pcSpeed, 20);
    QCOMPARE(shown.picSpeed, 30);
    QCOMPARE(test->findChildren<SettingsDialog*>().size(), 1);
}

void SettingsDialogTest::settingsCommandStopsTestAndStaysNonModal()
{
    TestWindow test;
    test->playback().start();
    SettingsDialog& dialog = openSettings(test);
    QVERIFY(!test->playback().isRunning());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowModality(), Qt::NonModal);
    QCOMPARE(dialog.parentWidget(), &test.window());

    // Asking again while it is open brings the same dialog forward.
    test->menuSettings()->trigger();
    QCOMPARE(&dialogOf(test.window()), &dialog);
    QVERIFY(dialog.isVisible());
}

void SettingsDialogTest::speedListsFollowSettingsChangedElsewhere()
{
    TestWindow test;
    SettingsDialog& dialog = dialogOf(test.window());
    test->settings().setPicSpeed(45);
    test->settings().setPcSpeed(12);
    QCOMPARE(dialog.picSpeedCombo()->currentText(), QStringLiteral(" 45"));
    QCOMPARE(dialog.pcSpeedCombo()->currentText(), QStringLiteral(" 12"));
    QVERIFY(!dialog.isVisible());
}

// A data file's speeds are shown even when they equal the speeds in force and
// the user had picked other entries and then cancelled.
void SettingsDialogTest::loadedSpeedsReplaceCancelledChoices()
{
    TestWindow test;
    SettingsDialog& dialog = dialogOf(test.window());
    dialog.present();
    choose(dialog, 1, 50, 60);
    press(dialog.cancelButton());
    test->settings().loadSpeeds(30, 20);
    QCOMPARE(shownBy(dialog).pcSpeed, 20);
    QCOMPARE(shownBy(dialog).picSpeed, 30);
    dialog.present();
    press(dialog.okButton());
    QCOMPARE(test->settings().pcSpeed(), 20);
    QCOMPARE(test->settings().picSpeed(), 30);
}

void SettingsDialogTest::escapeCancelsAndEnterConfirms_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("pcSpeedAfter");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << 20;
    QTest::newRow("Return") << int(Qt::Key_Return) << 55;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 55;
}

void SettingsDialogTest::escapeCancelsAndEnterConfirms()
{
    QFETCH(int, key);
    QFETCH(int, pcSpeedAfter);
    TestWindow test;
    SettingsDialog& dialog = dialogOf(test.window());
    dialog.present();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    choose(dialog, 1, 55, 30);
    QTest::keyClick(dialog.windowHandle(), Qt::Key(key));
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(test->settings().pcSpeed(), pcSpeedAfter);
}

void SettingsDialogTest::keysWithListOpenActOnListOnly_data()
{
    QTest::addColumn<int>("list"); // 0 port, 1 test speed, 2 sequencer delay
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("steps"); // Down presses in the open list
    QTest::addColumn<int>("entryAfter");
    QTest::newRow("port: Enter picks") << 0 << int(Qt::Key_Return) << 2 << 3;
    QTest::newRow("port: keypad Enter picks") << 0 << int(Qt::Key_Enter) << 1 << 2;
    QTest::newRow("port: Esc closes the list") << 0 << int(Qt::Key_Escape) << 2 << 1;
    QTest::newRow("test speed: Enter picks") << 1 << int(Qt::Key_Return) << 3 << 22;
    QTest::newRow("delay: Esc closes the list") << 2 << int(Qt::Key_Escape) << 1 << 29;
}

// With a list open, Enter and Esc belong to the list: the dialog stays, the
// settings and LED.cfg stay untouched. The next Enter or Esc, with the list
// closed, is the dialog's.
void SettingsDialogTest::keysWithListOpenActOnListOnly()
{
    QFETCH(int, list);
    QFETCH(int, key);
    QFETCH(int, steps);
    QFETCH(int, entryAfter);
    TestWindow test("2\r\n");
    SettingsDialog& dialog = openSettings(test);
    const std::array<QComboBox*, 3> lists{dialog.commPortCombo(), dialog.pcSpeedCombo(),
                                          dialog.picSpeedCombo()};
    QComboBox* combo = lists[list];
    const int settingBefore = settingOf(test->settings(), list);
    combo->setFocus();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_F4);
    QTRY_VERIFY(QApplication::activePopupWidget());
    // An open list grabs the keyboard: its keys arrive at its own window.
    QWindow* popup = QApplication::activePopupWidget()->windowHandle();
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key(key));

    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(dialog.isVisible());
    QCOMPARE(combo->currentIndex(), entryAfter);
    QCOMPARE(shownBy(dialog).port, list == 0 ? entryAfter + 1 : 2);
    QCOMPARE(test->settings().commPort(), 2);
    QCOMPARE(settingOf(test->settings(), list), settingBefore);
    QCOMPARE(fileBytes(test.configPath()), QByteArray("2\r\n"));

    // The list is closed now: the same key is the dialog's.
    QTest::keyClick(dialog.windowHandle(), Qt::Key(key));
    QTRY_VERIFY(!dialog.isVisible());
    const bool accepted = key != Qt::Key_Escape;
    QCOMPARE(settingOf(test->settings(), list), accepted ? entryAfter + 1 : settingBefore);
}

void SettingsDialogTest::firstListFocusedAndTabFollowsLayout()
{
    TestWindow test;
    SettingsDialog& dialog = openSettings(test);
    QCOMPARE(dialog.focusWidget(), dialog.commPortCombo());
    const QList<QWidget*> expected{dialog.pcSpeedCombo(), dialog.picSpeedCombo(),
                                   dialog.cancelButton(), dialog.okButton(),
                                   dialog.commPortCombo()};
    for (QWidget* next : expected) {
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget(), next);
    }
    // Enter on the focused Cancel button cancels.
    dialog.pcSpeedCombo()->setCurrentIndex(70);
    dialog.cancelButton()->setFocus();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(test->settings().pcSpeed(), 20);

    // Opened again, the keyboard starts at the first list again.
    openSettings(test);
    QCOMPARE(dialog.focusWidget(), dialog.commPortCombo());
}

void SettingsDialogTest::unwritableConfigIsReportedAndSettingsKept()
{
    // A folder that is a regular file cannot hold LED.cfg, whoever runs the test.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString configPath = dir.filePath(QStringLiteral("not-a-folder/LED.cfg"));

    WindowUnderTest window(configPath);
    auto scripted = std::make_unique<ScriptedPrompts>();
    ScriptedPrompts& prompts = *scripted;
    window.setPromptBackend(std::move(scripted));
    prompts.nextAnswer(UserPrompts::Answer::Ok);

    SettingsDialog& dialog = dialogOf(window);
    choose(dialog, 6, 33, 44);
    dialog.okButton()->click();

    QCOMPARE(window.settings().commPort(), 6);
    QCOMPARE(window.settings().pcSpeed(), 33);
    QCOMPARE(window.settings().picSpeed(), 44);
    QCOMPARE(prompts.messages.size(), 1);
    const UserPrompts::Message& message = prompts.messages.constFirst();
    QCOMPARE(message.title, QString());
    QCOMPARE(message.icon, UserPrompts::Icon::Exclamation);
    QCOMPARE(message.buttons, UserPrompts::Buttons::Ok);
    const QStringList lines = message.text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], QStringLiteral("The serial port setting could not be saved to"));
    QCOMPARE(lines[1], QDir::toNativeSeparators(configPath));
    QVERIFY2(!lines[3].trimmed().isEmpty(), "the system's reason is missing");
    QCOMPARE(lines[5], QStringLiteral("The new settings are used until the program ends."));
    QVERIFY(prompts.unexpected.isEmpty());
}

void SettingsDialogTest::portDeviceFollowsChosenPort()
{
    TestWindow test("2\r\n");
    int asked = 0;
    test->settingsCommand()->setPortDescriber([&asked](int port) {
        ++asked;
        return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
    });
    SettingsDialog& dialog = openSettings(test);
    QLabel* label = dialog.findChild<QLabel*>(QStringLiteral("PortDeviceLabel"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("/dev/ttyUSB1"));
    dialog.commPortCombo()->setCurrentIndex(5);
    QCOMPARE(label->text(), QStringLiteral("/dev/ttyUSB5"));

    // Shown again later, the device is looked up afresh.
    press(dialog.cancelButton());
    const int before = asked;
    openSettings(test);
    QVERIFY(asked > before);

    // A dialog loaded again keeps the describer.
    QPointer<SettingsDialog> old = &dialog;
    dialog.close();
    QTRY_VERIFY(old.isNull());
    QCOMPARE(dialogOf(test.window()).portDeviceLabel()->text(), QStringLiteral("/dev/ttyUSB1"));
}

void SettingsDialogTest::portDeviceTextShownWhole_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("shown");
    QTest::newRow("device alone") << "/dev/ttyS0"
                                  << "/dev/ttyS0";
    QTest::newRow("none present")
        << "none present\nthis computer has 3 serial ports: /dev/ttyUSB0, /dev/ttyACM0, "
           "/dev/ttyS0"
        << "none present\nthis computer has 3 serial ports: /dev/ttyUSB0, /dev/ttyACM0, "
           "/dev/ttyS0";
    QTest::newRow("adapter, its stable name in the tooltip only")
        << "/dev/ttyUSB0\nFT232R USB UART, FTDI 0403:6001\n/dev/serial/by-id/"
           "usb-FTDI_FT232R_USB_UART_A10KJ3XM-if00-port0"
        << "/dev/ttyUSB0\nFT232R USB UART, FTDI 0403:6001";
}

void SettingsDialogTest::portDeviceTextShownWhole()
{
    QFETCH(QString, description);
    QFETCH(QString, shown);
    TestWindow test;
    test->settingsCommand()->setPortDescriber([description](int) { return description; });
    SettingsDialog& dialog = openSettings(test);
    QLabel* label = dialog.portDeviceLabel();
    QCOMPARE(label->text(), shown);
    QCOMPARE(label->toolTip(), description);
    // Laid out as the label lays it out, the text fits its room.
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("needs %1 x %2 px, has %3 x %4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(room.width())
                            .arg(room.height())));
    // Within its frame, clear of the frame's edge and of every other control.
    auto* frame = label->parentWidget();
    QVERIFY(frame->contentsRect().contains(label->geometry()));
    for (QWidget* other : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != label && other->isVisible())
            QVERIFY2(!other->geometry().intersects(label->geometry()),
                     qPrintable(other->objectName()));
}

QTEST_MAIN(SettingsDialogTest)
#include "tst_settingsdialog.moc"
