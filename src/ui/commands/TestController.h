// SPDX-License-Identifier: MIT
#pragma once

#include "TestPlayback.h"

#include <QObject>

#include <array>

class LampWidget;
class QAction;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;
class TimeAxisWidget;

// The window's side of the visual test: the Test command (menu and button),
// the test button's caption, the servo stick with its readout, and the lamps
// and time-axis highlight that mirror what the playback shows. Whoever stops
// the playback (this command or another one through TestPlayback::stop()) gets the same
// effect, because everything here follows the playback's signals.
class TestController : public QObject {
    Q_OBJECT
public:
    // The controls the test drives.
    struct View {
        QPushButton* testButton;
        QPushButton* settingsButton;
        QScrollBar* servoStick;
        QLabel* pulseWidth;
        // The stick with its readout and hint, shown while a servo-controlled LED plays.
        std::array<QWidget*, 5> stickGroup;
        TimeAxisWidget* timeAxis;
        std::array<LampWidget*, LedSequence::LedCount> lamps;
    };

    TestController(const LedSequence& sequence, TestPlayback& playback, const View& view,
                   QAction* trigger);

    // Starts the test, or stops it when it runs.
    void toggleTest();

private:
    void startTest();
    bool anyServoControlled() const;
    void setStickGroupVisible(bool visible);
    void onRunningChanged(bool running);
    void showStep(int event, const TestPlayback::LampColors& lamps);
    void endStep(int event);
    void onFinished();
    void setLamps(const TestPlayback::LampColors& lamps);
    void onStickSettled(int value);

    const LedSequence& m_sequence;
    TestPlayback& m_playback;
    View m_view;
};
