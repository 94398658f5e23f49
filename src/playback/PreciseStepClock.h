// SPDX-License-Identifier: MIT
#pragma once

#include "StepClock.h"

#include <QElapsedTimer>
#include <QTimer>

class KernelTimer;

// The step clock of the running program. Desktop event loops wake timers only
// to the whole millisecond, rounded up, which is too coarse for 1..5 ms test
// steps. The clock therefore sleeps on a timer of the operating system that
// the event loop watches (KernelTimer): it wakes the loop to the microsecond,
// costs no CPU while waiting, and keeps the window responsive. Where the
// system has none, or it cannot be created or set, the clock falls back to a
// precise QTimer, so a requested wake-up always comes.
class PreciseStepClock : public StepClock {
    Q_OBJECT
public:
    enum class Backend { KernelTimer, QtTimer };

    // backend: the timer to try first; QtTimer forces the fallback.
    explicit PreciseStepClock(QObject* parent = nullptr, Backend backend = Backend::KernelTimer);
    ~PreciseStepClock() override;

    // The timer in use: KernelTimer turns into QtTimer on a failure.
    Backend backend() const { return m_kernelTimer ? Backend::KernelTimer : Backend::QtTimer; }

    qint64 now() const override { return m_clock.nsecsElapsed(); }
    void wakeAt(qint64 deadline) override;
    void cancel() override;

protected:
    // Sets the kernel timer to expire once after the time given; false if the
    // system refused.
    virtual bool setKernelTimer(qint64 remainingNs);

private:
    void openKernelTimer();
    void dropKernelTimer();
    void useQtTimer();
    void arm();
    void onWake();

    QElapsedTimer m_clock;
    qint64 m_deadline = 0;
    bool m_armed = false;
    KernelTimer* m_kernelTimer = nullptr;
    QTimer m_fallbackTimer;
};
