#pragma once

#include "StepClock.h"

#include <QElapsedTimer>
#include <QTimer>

// The step clock of the running program. Desktop event loops wake timers only
// to the millisecond (and late, under load), which is too coarse for 1..5 ms
// test steps. So the clock sleeps on a precise timer until shortly before the
// deadline and covers the last stretch by re-checking on zero-interval timers:
// the window stays responsive, and the wake-up lands within a few tens of
// microseconds of the deadline.
class PreciseStepClock : public StepClock {
    Q_OBJECT
public:
    explicit PreciseStepClock(QObject* parent = nullptr);

    qint64 now() const override { return m_clock.nsecsElapsed(); }
    void wakeAt(qint64 deadline) override;
    void cancel() override;

private:
    void arm();
    void onTimer();

    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_deadline = 0;
};
