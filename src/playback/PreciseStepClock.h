#pragma once

#include "StepClock.h"

#include <QElapsedTimer>
#include <QTimer>

class QSocketNotifier;

// The step clock of the running program. Desktop event loops wake timers only
// to the whole millisecond, rounded up, which is too coarse for 1..5 ms test
// steps. On Linux the clock therefore sleeps on a kernel timer (timerfd) that
// the event loop watches like any other file descriptor: it wakes the loop to
// the microsecond, costs no CPU while waiting, and keeps the window responsive.
// Elsewhere it falls back to a precise QTimer.
class PreciseStepClock : public StepClock {
    Q_OBJECT
public:
    explicit PreciseStepClock(QObject* parent = nullptr);
    ~PreciseStepClock() override;

    qint64 now() const override { return m_clock.nsecsElapsed(); }
    void wakeAt(qint64 deadline) override;
    void cancel() override;

private:
    void arm();
    void onWake();

    QElapsedTimer m_clock;
    qint64 m_deadline = 0;
    bool m_armed = false;
    int m_timerFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_fallbackTimer;
};
