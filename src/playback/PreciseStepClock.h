// SPDX-License-Identifier: MIT
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
// Elsewhere, or if the kernel timer cannot be created or set, it falls back to
// a precise QTimer, so a requested wake-up always comes.
class PreciseStepClock : public StepClock {
    Q_OBJECT
public:
    enum class Backend { KernelTimer, QtTimer };

    // backend: the timer to try first; QtTimer forces the fallback.
    explicit PreciseStepClock(QObject* parent = nullptr, Backend backend = Backend::KernelTimer);
    ~PreciseStepClock() override;

    // The timer in use: KernelTimer turns into QtTimer on a failure.
    Backend backend() const { return m_timerFd >= 0 ? Backend::KernelTimer : Backend::QtTimer; }

    qint64 now() const override { return m_clock.nsecsElapsed(); }
    void wakeAt(qint64 deadline) override;
    void cancel() override;

protected:
    // Sets the kernel timer to expire once after the time given; false if the
    // system refused.
    virtual bool setKernelTimer(qint64 remainingNs);

private:
    void openKernelTimer();
    void closeKernelTimer();
    void useQtTimer();
    void arm();
    void onWake();

    QElapsedTimer m_clock;
    qint64 m_deadline = 0;
    bool m_armed = false;
    int m_timerFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_fallbackTimer;
};
