// SPDX-License-Identifier: MIT
#include "TestController.h"

#include "BgrColor.h"
#include "LampWidget.h"
#include "ServoControl.h"
#include "ServoZone.h"
#include "TimeAxisWidget.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

TestController::TestController(const LedSequence& sequence, TestPlayback& playback,
                               const View& view, QAction* trigger)
    : QObject()
    , m_sequence(sequence)
    , m_playback(playback)
    , m_view(view)
{
    connect(trigger, &QAction::triggered, this, &TestController::toggleTest);
    connect(&m_playback, &TestPlayback::runningChanged, this, &TestController::onRunningChanged);
    connect(&m_playback, &TestPlayback::stepShown, this, &TestController::showStep);
    connect(&m_playback, &TestPlayback::stepEnded, this, &TestController::endStep);
    connect(&m_playback, &TestPlayback::finished, this, &TestController::onFinished);

    // Without tracking, a thumb drag reports its value only on release; clicks,
    // the trough and arrow keys report at once. So valueChanged is exactly the
    // settled value the readout and the zone follow.
    QScrollBar* stick = view.servoStick;
    stick->setTracking(false);
    // Scroll bars invert their keys by default (Left would move the stick right)
    // and take no focus from a click; a stick steered by Left/Right needs both.
    stick->setInvertedControls(false);
    stick->setFocusPolicy(Qt::StrongFocus);
    connect(stick, &QScrollBar::valueChanged, this, &TestController::onStickSettled);
    onStickSettled(stick->value());
}

void TestController::toggleTest()
{
    if (m_playback.isRunning())
        m_playback.stop();
    else
        startTest();
}

void TestController::startTest()
{
    const bool servoControlled = anyServoControlled();
    setStickGroupVisible(servoControlled);
    // The stick takes the Settings button's place. Shown explicitly otherwise,
    // for a restart while a stopped test still winds down with the stick shown.
    m_view.settingsButton->setVisible(!servoControlled);
    if (servoControlled)
        m_view.servoStick->setFocus();
    m_playback.setStickValue(m_view.servoStick->value());
    m_playback.start();
}

bool TestController::anyServoControlled() const
{
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        if (ServoControl::isServoControlled(m_sequence.servoMode(led)))
            return true;
    }
    return false;
}

void TestController::setStickGroupVisible(bool visible)
{
    for (QWidget* widget : m_view.stickGroup)
        widget->setVisible(visible);
}

void TestController::onRunningChanged(bool running)
{
    if (!running)
        setStickGroupVisible(false);
    m_view.testButton->setText(running ? tr("Stop Test") : tr("Test"));
}

void TestController::showStep(int event, const TestPlayback::LampColors& lamps)
{
    m_view.timeAxis->setHighlightedEvent(event);
    setLamps(lamps);
}

void TestController::endStep(int event)
{
    if (m_view.timeAxis->highlightedEvent() == event)
        m_view.timeAxis->setHighlightedEvent(-1);
}

void TestController::onFinished()
{
    setLamps(TestPlayback::LampColors{});
    m_view.timeAxis->setHighlightedEvent(-1);
    m_view.settingsButton->show();
}

void TestController::setLamps(const TestPlayback::LampColors& lamps)
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        m_view.lamps[led]->setFillColor(bgrToQColor(lamps[led]));
}

void TestController::onStickSettled(int value)
{
    m_view.pulseWidth->setText(QString::number(ServoZone::pulseWidth(value)));
    m_playback.setStickValue(value);
}
