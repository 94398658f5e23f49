// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "ServoZone.h"
#include "StepClock.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <memory>

class ProgramSettings;

// The on-screen visual test: plays events 0..LastEvent on the four lamps,
// one test step (PCSpeed ms) per event, endlessly until stopped.
//
// A timer-driven state machine: each step highlights its event and works out
// the four lamps at its start, then waits for its deadline; steps start at
// t0 + k * PCSpeed on a monotonic clock, so a long run does not drift. A
// wake-up a whole step late (or more) starts a fresh schedule instead of
// racing through the missed steps.
// LastEvent is read once per pass; cells, colours and servo modes at every
// step, so edits made during the test show from the next step on.
//
// Other commands that wait for the user (pop-up lists, message boxes, file
// dialogs) put the playback on hold; it stays on the event it shows until the
// last hold is released and then goes on with a fresh schedule.
class TestPlayback : public QObject {
    Q_OBJECT
public:
    using LampColors = std::array<std::uint32_t, LedSequence::LedCount>; // 0xBBGGRR

    // clock: null for the real precise clock.
    TestPlayback(const LedSequence& sequence, const ProgramSettings& settings,
                 QObject* parent = nullptr, std::unique_ptr<StepClock> clock = nullptr);
    ~TestPlayback() override;

    // Replaces the step clock; only while nothing plays (tests drive their own).
    void setStepClock(std::unique_ptr<StepClock> clock);
    StepClock& stepClock() const { return *m_clock; }

    // True from start() until stop().
    bool isRunning() const { return m_running; }
    // True from start() until the playback has ended (one step after stop()).
    bool isPlaying() const { return m_playing; }

    // Shows event 0 at once and plays on. During the wind-down after a stop it
    // starts afresh from event 0.
    void start();
    // Clears the running flag at once; the playback itself ends at its
    // next step, which darkens the lamps and emits finished().
    void stop();

    void hold();
    void release();
    bool isHeld() const { return m_holds > 0; }
    // Counts the runs: holds belong to the run they were taken in, so a test
    // started while a pop-up list is open plays instead of waiting for it.
    int runNumber() const { return m_runNumber; }

    // The settled position of the servo stick (100..199; others are ignored).
    int stickValue() const { return m_stickValue; }
    void setStickValue(int value);
    // The stick's zone bit, worked out afresh at every test start.
    int servoZoneBit() const { return m_zoneBit; }

    // The lamps of an event with the stick in the zone of zoneBit: lit in the
    // LED's colour when its cell is on and its servo choice allows the zone.
    static LampColors lampsFor(const LedSequence& sequence, int event, int zoneBit);

    // What the playback shows: the highlighted event (-1 for none) and the lamps.
    int shownEvent() const { return m_highlighted ? m_event : -1; }
    const LampColors& lampColors() const { return m_lamps; }

signals:
    void runningChanged(bool running);
    // A step begins: its event is highlighted and the lamps show these colours.
    void stepShown(int event, const TestPlayback::LampColors& lamps);
    // A step's time is up: its event is no longer highlighted.
    void stepEnded(int event);
    // The playback has ended: nothing highlighted, all lamps black.
    void finished();

private:
    void attachClock();
    void beginSchedule();
    void beginStep();
    void showEvent(int event);
    void onClockTimeout();
    void endStep();
    void finish();

    const LedSequence& m_sequence;
    const ProgramSettings& m_settings;
    std::unique_ptr<StepClock> m_clock;
    bool m_running = false;
    bool m_playing = false;
    int m_holds = 0;
    int m_runNumber = 0;
    bool m_tickWhileHeld = false;

    qint64 m_periodNs = 0;
    qint64 m_scheduleStart = 0; // start time of step 0 of the schedule
    qint64 m_stepsScheduled = 0;
    int m_passLastEvent = 0;

    int m_stickValue = ServoZone::StartStick;
    int m_zoneBit = ServoZone::zoneBit(ServoZone::StartStick);
    int m_event = -1; // where the playback stands in its pass; -1 before the first step
    bool m_highlighted = false;
    LampColors m_lamps{};
};
