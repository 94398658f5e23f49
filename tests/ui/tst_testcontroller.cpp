// SPDX-License-Identifier: MIT
#include "LampWidget.h"
#include "ManualStepClock.h"
#include "ScriptedPrompts.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

QList<QWidget*> stickGroup(WindowUnderTest& window)
{
    return {window.servoStick(), window.pulseWidthLabel1(), window.pulseWidth(),
            window.pulseWidthLabel2(), window.servoHint()};
}

bool allVisible(const QList<QWidget*>& widgets, bool visible)
{
    for (QWidget* widget : widgets) {
        if (widget->isVisible() != visible)
            return false;
    }
    return true;
}

QList<QColor> lampColors(WindowUnderTest& window)
{
    QList<QColor> colors;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        colors << window.lamp(led)->fillColor();
    return colors;
}

const QList<QColor> AllBlack{Qt::black, Qt::black, Qt::black, Qt::black};

QRect stickPart(QScrollBar* stick, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(stick);
    option.subControls = QStyle::SC_All;
    option.orientation = stick->orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = stick->minimum();
    option.maximum = stick->maximum();
    option.sliderPosition = stick->sliderPosition();
    option.sliderValue = stick->value();
    option.singleStep = stick->singleStep();
    option.pageStep = stick->pageStep();
    return stick->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, stick);
}

QPoint inWindow(QWidget* widget, QPoint position)
{
    return widget->mapTo(widget->window(), position);
}

enum class StickInput { KeyLeft, KeyRight, TroughRight, TroughLeft };

} // namespace

Q_DECLARE_METATYPE(StickInput)

// The Test command as the user sees it: the button caption, the servo stick
// group in place of the Settings button, the lamps and the time-axis highlight.
class TestControllerTest : public QObject {
    Q_OBJECT
private slots:
    void captionFollowsStartAndStop();
    void stickGroupReplacesSettingsWhileServoControlled_data();
    void stickGroupReplacesSettingsWhileServoControlled();
    void stoppingThePlaybackStopsLikeTheButton();
    void restartWhileWindingDownChecksServoModesAgain();
    void lampsAndHighlightMirrorEachStep();
    void openPromptHoldsTheShownEvent();
    void settledStickValueSetsReadoutAndZone_data();
    void settledStickValueSetsReadoutAndZone();
    void thumbDragSettlesOnlyOnRelease();
};

void TestControllerTest::captionFollowsStartAndStop()
{
    TestWindow window;
    ManualStepClock::installIn(window->playback());
    QPushButton* button = window->testButton();
    QCOMPARE(button->text(), QStringLiteral("&Test"));

    window->menuTest()->trigger();
    QVERIFY(window->playback().isRunning());
    QCOMPARE(button->text(), QStringLiteral("Stop Test"));

    TestWindow::click(button, button->rect().center());
    QVERIFY(!window->playback().isRunning());
    QCOMPARE(button->text(), QStringLiteral("Test"));
    QCOMPARE(window->menuTest()->text(), QStringLiteral("&Test"));

    TestWindow::click(button, button->rect().center());
    QCOMPARE(button->text(), QStringLiteral("Stop Test"));
}

void TestControllerTest::stickGroupReplacesSettingsWhileServoControlled_data()
{
    QTest::addColumn<QList<int>>("servoModes");
    QTest::addColumn<bool>("stickShown");

    QTest::newRow("all NONE") << QList<int>{15, 15, 15, 15} << false;
    QTest::newRow("LED#1 OFF") << QList<int>{0, 15, 15, 15} << true;
    QTest::newRow("LED#4 zones 1..3") << QList<int>{15, 15, 15, 14} << true;
}

void TestControllerTest::stickGroupReplacesSettingsWhileServoControlled()
{
    QFETCH(QList<int>, servoModes);
    QFETCH(bool, stickShown);

    TestWindow window;
    ManualStepClock* clock = ManualStepClock::installIn(window->playback());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.window()));
    for (int led = 0; led < LedSequence::LedCount; ++led)
        window->setUp()->setServoMode(led, servoModes[led]);
    QVERIFY(allVisible(stickGroup(window.window()), false));

    window->menuTest()->trigger();
    QVERIFY(allVisible(stickGroup(window.window()), stickShown));
    QCOMPARE(window->settingsButton()->isVisible(), !stickShown);
    QCOMPARE(window->servoStick()->hasFocus(), stickShown);

    // Servo modes changed during the test do not show or hide the stick.
    window->setUp()->setServoMode(0, stickShown ? 15 : 0);
    clock->fire();
    QVERIFY(allVisible(stickGroup(window.window()), stickShown));

    window->menuTest()->trigger();
    QVERIFY(allVisible(stickGroup(window.window()), false));
    QCOMPARE(window->settingsButton()->isVisible(), !stickShown); // until the step ends
    clock->fire();
    QVERIFY(window->settingsButton()->isVisible());
    QVERIFY(!window->playback().isPlaying());
}

void TestControllerTest::stoppingThePlaybackStopsLikeTheButton()
{
    TestWindow window;
    ManualStepClock* clock = ManualStepClock::installIn(window->playback());
    window->setUp()->setServoMode(2, 6);
    window->setUp()->setCell(2, 0, 1);
    window->menuTest()->trigger();
    QCOMPARE(window->lamp(2)->fillColor(), QColor(Qt::white));

    window->playback().stop();
    QVERIFY(!window->playback().isRunning());
    QCOMPARE(window->testButton()->text(), QStringLiteral("Test"));
    QVERIFY(allVisible(stickGroup(window.window()), false));

    clock->fire();
    QCOMPARE(lampColors(window.window()), AllBlack);
    QCOMPARE(window->timeAxis()->highlightedEvent(), -1);
    QVERIFY(window->settingsButton()->isVisible());

    window->playback().stop(); // nothing runs: nothing happens
    QCOMPARE(window->testButton()->text(), QStringLiteral("Test"));
}

void TestControllerTest::restartWhileWindingDownChecksServoModesAgain()
{
    TestWindow window;
    ManualStepClock::installIn(window->playback());
    window->setUp()->setServoMode(0, 0);
    window->menuTest()->trigger();
    window->menuTest()->trigger(); // stopped; the current step still runs
    window->setUp()->setServoMode(0, 15);
    window->menuTest()->trigger();

    QVERIFY(window->playback().isRunning());
    QCOMPARE(window->testButton()->text(), QStringLiteral("Stop Test"));
    QVERIFY(allVisible(stickGroup(window.window()), false));
    QVERIFY(window->settingsButton()->isVisible());
    QCOMPARE(window->timeAxis()->highlightedEvent(), 0);
}

void TestControllerTest::lampsAndHighlightMirrorEachStep()
{
    TestWindow window;
    ManualStepClock* clock = ManualStepClock::installIn(window->playback());
    window->setUp()->setLedColor(0, 1); // red
    window->setUp()->setCell(0, 0, 1);
    window->setUp()->setCell(2, 1, 1);
    window->setUp()->setCell(3, 1, 1);
    window->setUp()->setServoMode(3, 0); // OFF: dark although lit

    window->menuTest()->trigger();
    QCOMPARE(window->timeAxis()->highlightedEvent(), 0);
    QCOMPARE(lampColors(window.window()),
             (QList<QColor>{Qt::red, Qt::black, Qt::black, Qt::black}));

    clock->fire();
    QCOMPARE(window->timeAxis()->highlightedEvent(), 1);
    QCOMPARE(lampColors(window.window()),
             (QList<QColor>{Qt::black, Qt::black, Qt::white, Qt::black}));

    TestWindow::click(window->testButton(), window->testButton()->rect().center());
    QCOMPARE(window->timeAxis()->highlightedEvent(), 1); // the current step completes
    QCOMPARE(window->lamp(2)->fillColor(), QColor(Qt::white));
    clock->fire();
    QCOMPARE(lampColors(window.window()), AllBlack);
    QCOMPARE(window->timeAxis()->highlightedEvent(), -1);
}

// A message box of another command keeps the test on the event it shows;
// the test goes on from the next event once the box is closed.
void TestControllerTest::openPromptHoldsTheShownEvent()
{
    TestWindow window;
    ManualStepClock* clock = ManualStepClock::installIn(window->playback());
    window->menuTest()->trigger();
    clock->fire();
    QCOMPARE(window->timeAxis()->highlightedEvent(), 1);

    int shownWhileOpen = -1;
    window.prompts().nextAnswer([&](const UserPrompts::Message&) {
        for (int i = 0; i < 5; ++i)
            clock->fire();
        shownWhileOpen = window->timeAxis()->highlightedEvent();
        return UserPrompts::Answer::Ok;
    });
    window->prompts().ask(
        {QString(), QStringLiteral("Held?"), UserPrompts::Icon::None, UserPrompts::Buttons::Ok});
    QCOMPARE(shownWhileOpen, 1);
    QVERIFY(!window->playback().isHeld());

    clock->fire();
    QCOMPARE(window->timeAxis()->highlightedEvent(), 2);
}

void TestControllerTest::settledStickValueSetsReadoutAndZone_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<StickInput>("input");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<int>("zoneBit");

    QTest::newRow("Left at 125 enters zone 0") << 125 << StickInput::KeyLeft << "1240" << 1;
    QTest::newRow("Right at 124 enters zone 1") << 124 << StickInput::KeyRight << "1250" << 2;
    QTest::newRow("Right at 199 stays at the end") << 199 << StickInput::KeyRight << "1990" << 8;
    QTest::newRow("trough right of the thumb") << 150 << StickInput::TroughRight << "1600" << 4;
    QTest::newRow("trough near the end stops at 199")
        << 195 << StickInput::TroughRight << "1990" << 8;
    QTest::newRow("trough left of the thumb") << 130 << StickInput::TroughLeft << "1200" << 1;
}

void TestControllerTest::settledStickValueSetsReadoutAndZone()
{
    QFETCH(int, from);
    QFETCH(StickInput, input);
    QFETCH(QString, readout);
    QFETCH(int, zoneBit);

    TestWindow window;
    ManualStepClock::installIn(window->playback());
    window->setUp()->setServoMode(0, 1);
    window->menuTest()->trigger();
    QScrollBar* stick = window->servoStick();
    QVERIFY(stick->isVisible());
    stick->setValue(from);
    QCOMPARE(window->pulseWidth()->text(), QString::number(from * 10));

    QWindow* handle = window->windowHandle();
    switch (input) {
    case StickInput::KeyLeft:
        QTest::keyClick(stick, Qt::Key_Left);
        break;
    case StickInput::KeyRight:
        QTest::keyClick(stick, Qt::Key_Right);
        break;
    case StickInput::TroughRight:
    case StickInput::TroughLeft: {
        const auto part = input == StickInput::TroughRight ? QStyle::SC_ScrollBarAddPage
                                                           : QStyle::SC_ScrollBarSubPage;
        const QPoint at = inWindow(stick, stickPart(stick, part).center());
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at);
        break;
    }
    }
    QCOMPARE(window->pulseWidth()->text(), readout);
    QCOMPARE(window->playback().servoZoneBit(), zoneBit);
}

void TestControllerTest::thumbDragSettlesOnlyOnRelease()
{
    TestWindow window;
    ManualStepClock::installIn(window->playback());
    window->setUp()->setServoMode(1, 4);
    window->menuTest()->trigger();
    QScrollBar* stick = window->servoStick();
    QCOMPARE(stick->value(), 150);
    QCOMPARE(window->playback().servoZoneBit(), 4);

    QWindow* handle = window->windowHandle();
    const QPoint thumb = inWindow(stick, stickPart(stick, QStyle::SC_ScrollBarSlider).center());
    const QPoint farRight = thumb + QPoint(stick->width(), 0);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, thumb);
    QTest::mouseMove(handle, thumb + QPoint(10, 0));
    QTest::mouseMove(handle, farRight);
    QCOMPARE(stick->sliderPosition(), 199); // the thumb did move
    QCOMPARE(window->pulseWidth()->text(), QStringLiteral("1500"));
    QCOMPARE(window->playback().servoZoneBit(), 4);

    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, farRight);
    QCOMPARE(window->pulseWidth()->text(), QStringLiteral("1990"));
    QCOMPARE(window->playback().servoZoneBit(), 8);
}

QTEST_MAIN(TestControllerTest)
#include "tst_testcontroller.moc"
