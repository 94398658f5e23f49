#pragma once

#include <QObject>

class LedSequence;
class ProgramSettings;

// The on-screen visual test: plays events 0..LastEvent on the four lamps,
// one test step (PCSpeed ms) per event, endlessly until stopped.
//
// Other commands that wait for the user (pop-up lists, message boxes, file
// dialogs) put the playback on hold; it stays on the event it shows until the
// last hold is released.
class TestPlayback : public QObject {
    Q_OBJECT
public:
    TestPlayback(const LedSequence& sequence, const ProgramSettings& settings,
                 QObject* parent = nullptr);

    // TestRunning: true from start() until stop().
    bool isRunning() const { return m_running; }

    void start();
    // StopTest: clears the running flag at once; the playback itself ends at its
    // next step, which darkens the lamps and emits finished().
    void stop();

    void hold();
    void release();
    bool isHeld() const { return m_holds > 0; }

signals:
    void runningChanged(bool running);
    void finished();

private:
    const LedSequence& m_sequence;
    const ProgramSettings& m_settings;
    bool m_running = false;
    int m_holds = 0;
};
