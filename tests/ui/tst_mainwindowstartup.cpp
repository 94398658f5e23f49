// SPDX-License-Identifier: MIT
#include "ClickableLabel.h"
#include "LampWidget.h"
#include "SequenceGrid.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"
#include "TwipsLayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestMainWindowStartup : public QObject {
    Q_OBJECT
private slots:
    void portFromConfig_data();
    void portFromConfig();
    void sequenceStartsEmpty();
    void timeAxisMarksLastEvent();
    void ledLabelsAndLists();
    void buttons_data();
    void buttons();
    void hiddenControls();
    void hiddenCaptionFitsWhenShown();
    void menus();
    void accessKeysRunTheirCommandAtOnce_data();
    void accessKeysRunTheirCommandAtOnce();
    void layoutKeepsControlsApart();
};

void TestMainWindowStartup::portFromConfig_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("port");
    QTest::newRow("port 3") << QByteArray("3\r\n") << 3;
    QTest::newRow("no file: first run") << QByteArray() << 1;
    QTest::newRow("garbage") << QByteArray("hello") << 1;
    QTest::newRow("out of range") << QByteArray("12\r\n") << 1;
}

void TestMainWindowStartup::portFromConfig()
{
    QFETCH(QByteArray, config);
    QFETCH(int, port);
    TestWindow window(config);
    QCOMPARE(window->settings().commPort(), port);
    QCOMPARE(window->settings().pcSpeed(), 20);
    QCOMPARE(window->settings().picSpeed(), 30);
    QCOMPARE(window->windowTitle(),
             QStringLiteral("STROBIX  -  Programmable LED Sequencer/Flasher - Rev3"));
}

void TestMainWindowStartup::sequenceStartsEmpty()
{
    TestWindow window;
    const LedSequence& sequence = window->sequence();
    for (int event = 0; event < 50; ++event) {
        QCOMPARE(sequence.mem(event), QStringLiteral("0"));
        for (int led = 0; led < 4; ++led)
            QCOMPARE(sequence.cell(led, event), 0);
    }
    QCOMPARE(window->grid()->dragStart(), 0);
}

void TestMainWindowStartup::timeAxisMarksLastEvent()
{
    TestWindow window;
    TimeAxisWidget* axis = window->timeAxis();
    QCOMPARE(axis->markedEvent(), 49);
    for (int event = 0; event < 50; ++event) {
        const bool marked = event == 49;
        QCOMPARE(axis->textColor(event), marked ? QColor(Qt::red) : QColor(Qt::black));
        QCOMPARE(axis->pointSize(event), marked ? 8.0 : 6.0);
    }
    QCOMPARE(TimeAxisWidget::labelText(0), QStringLiteral("1"));
    QCOMPARE(TimeAxisWidget::labelText(9), QStringLiteral("0"));
    QCOMPARE(TimeAxisWidget::labelText(49), QStringLiteral("0"));

    // The marker follows the model, one label at a time.
    window->setUp()->setLastEvent(20);
    QCOMPARE(axis->markedEvent(), 20);
    QCOMPARE(axis->textColor(49), QColor(Qt::black));
    QCOMPARE(axis->pointSize(20), 8.0);
}

void TestMainWindowStartup::ledLabelsAndLists()
{
    TestWindow window;
    for (int led = 0; led < 4; ++led) {
        ClickableLabel* label = window->ledLabel(led);
        QCOMPARE(label->text(), QStringLiteral("LED#%1").arg(led + 1));
        QCOMPARE(label->toolTip(),
                 QStringLiteral("Click here to change color of LED#%1").arg(led + 1));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(144, 144, 144));

        QComboBox* servo = window->servoControl(led);
        QCOMPARE(servo->count(), 16);
        QCOMPARE(servo->currentText(), QStringLiteral("NONE"));
        QCOMPARE(servo->itemText(0), QStringLiteral("OFF"));
        QCOMPARE(servo->toolTip(),
                 QStringLiteral("Change how LED#%1 will repond to R/C servo signal").arg(led + 1));
        QCOMPARE(window->rowOptionsButton(led)->toolTip(),
                 QStringLiteral("Click here to change LED#%1 flash pattern").arg(led + 1));
        QCOMPARE(window->lamp(led)->fillColor(), QColor(Qt::black));
    }

    // The model drives the labels and lists, and a choice in a list drives the model.
    window->setUp()->setLedColor(2, 1);
    QCOMPARE(window->ledLabel(2)->palette().color(QPalette::WindowText), QColor(Qt::red));
    window->setUp()->setServoMode(1, 3);
    QCOMPARE(window->servoControl(1)->currentText(), QStringLiteral("|* * - -|"));
    QComboBox* servo = window->servoControl(3);
    servo->setFocus();
    QTest::keyClick(servo, Qt::Key_Up);
    QCOMPARE(window->sequence().servoMode(3), 14);

    QCOMPARE(window->colorList()->count(), 8);
    QCOMPARE(window->colorList()->item(4)->text(), QStringLiteral("Blue"));
    QCOMPARE(window->rowOptionsList()->count(), 10);
    QCOMPARE(window->rowOptionsList()->item(3)->text(), QStringLiteral("Copy from..."));
    QCOMPARE(window->rowOptionsList()->item(8)->text(), QString());
    QCOMPARE(window->copyList()->count(), 10);
    QCOMPARE(window->copyList()->item(0)->text(), QStringLiteral("LED #1"));
    QCOMPARE(window->copyList()->item(9)->text(), QStringLiteral("Cancel"));
}

void TestMainWindowStartup::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("open") << "OpenButton"
                          << "&Open File..."
                          << "Click here to open and load a  LED sequence...";
    QTest::newRow("save") << "SaveButton"
                          << "&Save File..."
                          << "Click here to save the current LED sequence...";
    QTest::newRow("test") << "TestButton"
                          << "&Test"
                          << "Click here to Start/Stop the visual test of the LED sequence...";
    QTest::newRow("download") << "DownloadButton"
                              << "&DOWNLOAD"
                              << "Click here to Download data to Strobix Sequencer/Flasher...";
    QTest::newRow("settings") << "Settings_button"
                              << "S&ettings..."
                              << "Click here to change Software/Strobix Settings...";
    QTest::newRow("exit") << "Exit_button"
                          << "E&xit"
                          << "Exit software...";
}

void TestMainWindowStartup::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    TestWindow window;
    auto* button = window->findChild<QAbstractButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(button->isVisible());
    QVERIFY(button->isEnabled());
    // The whole caption fits on the button.
    QVERIFY(button->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')))
            < button->width() - 8);
}

void TestMainWindowStartup::hiddenControls()
{
    TestWindow window;
    const QList<QWidget*> hidden{window->colorList(),        window->rowOptionsList(),
                                 window->copyList(),         window->servoStick(),
                                 window->pulseWidthLabel1(), window->pulseWidth(),
                                 window->pulseWidthLabel2(), window->servoHint(),
                                 window->downloadLabel(),    window->progressBar()};
    for (QWidget* widget : hidden)
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    QCOMPARE(window->servoStick()->minimum(), 100);
    QCOMPARE(window->servoStick()->maximum(), 199);
    QCOMPARE(window->servoStick()->value(), 150);
    QCOMPARE(window->pulseWidth()->text(), QStringLiteral("1500"));
    QCOMPARE(window->progressBar()->maximum(), 56);
    QCOMPARE(window->downloadLabel()->text(), QStringLiteral("Downloading to STROBIX ..."));

    // Shown later, over the place of the Settings button: none of these texts may be cut off.
    for (QLabel* label :
         {window->servoHint(), window->pulseWidthLabel1(), window->downloadLabel()}) {
        label->show();
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text())
                     <= label->contentsRect().width(),
                 qPrintable(label->objectName()));
    }
}

// A caption that is hidden while the window is laid out is still set smaller
// to fit once it is shown, whether or not its window is up yet.
void TestMainWindowStartup::hiddenCaptionFitsWhenShown()
{
    QWidget area;
    auto* label = new QLabel(QStringLiteral("Downloading to STROBIX ..."), &area);
    const int natural = label->fontMetrics().horizontalAdvance(label->text());
    label->hide();
    TwipsLayout layout;
    layout.place(label, QRect(0, 0, natural * 15 * 4 / 5, 240)); // four fifths of its width
    layout.apply(Zoom());
    label->show();
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    // Laid out again, as at another zoom: fitted again when next shown.
    label->hide();
    layout.apply(Zoom());
    area.show();
    label->show();
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
}

void TestMainWindowStartup::menus()
{
    TestWindow window;
    QStringList bar;
    for (QAction* action : window->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"&File", "&Test", "&Download", "S&ettings", "&Help"}));

    QStringList file;
    for (QAction* action : window->menuBar()->actions().first()->menu()->actions())
        file << action->text();
    QCOMPARE(file, (QStringList{"&New/Clear", "&Open...", "&Merge...", "&Save...", "E&xit"}));
    QCOMPARE(window->menuHowto()->text(), QStringLiteral("&Users' Manual..."));
    QVERIFY(window->menuAbout()->shortcut().isEmpty());
}

void TestMainWindowStartup::accessKeysRunTheirCommandAtOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("action");
    QTest::newRow("Alt+T: Test") << int(Qt::Key_T) << "MENUtest";
    QTest::newRow("Alt+E: Settings") << int(Qt::Key_E) << "MENUsettings";
    QTest::newRow("Alt+D: Download") << int(Qt::Key_D) << "MENUdownload";
    QTest::newRow("Alt+O: Open File button") << int(Qt::Key_O) << "MENUopen";
    QTest::newRow("Alt+S: Save File button") << int(Qt::Key_S) << "MENUsave";
}

// A button and a menu-bar command with the same access key must not make the
// user press it twice.
void TestMainWindowStartup::accessKeysRunTheirCommandAtOnce()
{
    QFETCH(int, key);
    QFETCH(QString, action);
    TestWindow window;
    auto* command = window->findChild<QAction*>(action);
    QVERIFY(command);
    // Only whether the command is reached matters here, not what it does.
    command->disconnect();
    QSignalSpy triggered(command, &QAction::triggered);
    QTest::keyClick(&window.window(), Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(triggered.count(), 1); // a button's access key clicks it a moment later
}

// Neighbouring controls must not overlap: the grid, the lamps, the row buttons,
// the LED names and the servo lists each keep to their own column.
void TestMainWindowStartup::layoutKeepsControlsApart()
{
    TestWindow window;
    for (int led = 0; led < 4; ++led) {
        const QRect label = window->ledLabel(led)->geometry();
        const QRect lamp = window->lamp(led)->geometry();
        const QRect button = window->rowOptionsButton(led)->geometry();
        const QRect servo = window->servoControl(led)->geometry();
        QVERIFY(label.right() < lamp.left());
        QVERIFY(lamp.right() < button.left());
        QVERIFY(button.right() < window->grid()->geometry().left());
        QVERIFY(window->grid()->geometry().right() < servo.left());
        if (led > 0)
            QVERIFY(window->servoControl(led - 1)->geometry().bottom() < servo.top());
    }
    QVERIFY(window->grid()->geometry().bottom() < window->timeAxis()->geometry().top());
    QVERIFY(window->centralWidget()->rect().contains(window->exitButton()->geometry()));
}

QTEST_MAIN(TestMainWindowStartup)
#include "tst_mainwindowstartup.moc"
