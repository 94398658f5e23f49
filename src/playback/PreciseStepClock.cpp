// SPDX-License-Identifier: MIT
#include "PreciseStepClock.h"

#include "KernelTimer.h"

namespace {
constexpr qint64 NsPerMs = 1000000;
} // namespace

PreciseStepClock::PreciseStepClock(QObject* parent, Backend backend)
    : StepClock(parent)
{
    m_clock.start();
    if (backend == Backend::KernelTimer)
        openKernelTimer();
    if (!m_kernelTimer)
        useQtTimer();
}

PreciseStepClock::~PreciseStepClock() = default;

void PreciseStepClock::openKernelTimer()
{
    m_kernelTimer = new KernelTimer(this);
    if (!m_kernelTimer->isValid()) {
        dropKernelTimer();
        return;
    }
    connect(m_kernelTimer, &KernelTimer::expired, this, &PreciseStepClock::onWake);
}

void PreciseStepClock::dropKernelTimer()
{
    if (!m_kernelTimer)
        return;
    // Deleted later, as this may run inside its own expired() signal.
    m_kernelTimer->disconnect(this);
    m_kernelTimer->deleteLater();
    m_kernelTimer = nullptr;
}

// On Windows a precise QTimer runs on the multimedia timer, at a 1 ms period.
void PreciseStepClock::useQtTimer()
{
    dropKernelTimer();
    m_fallbackTimer.setSingleShot(true);
    m_fallbackTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_fallbackTimer, &QTimer::timeout, this, &PreciseStepClock::onWake,
            Qt::UniqueConnection);
}

void PreciseStepClock::wakeAt(qint64 deadline)
{
    m_deadline = deadline;
    m_armed = true;
    arm();
}

void PreciseStepClock::cancel()
{
    m_armed = false;
    if (m_kernelTimer) {
        // Should disarming fail, the stray expiry is ignored by onWake().
        m_kernelTimer->stop();
        return;
    }
    m_fallbackTimer.stop();
}

bool PreciseStepClock::setKernelTimer(qint64 remainingNs)
{
    return m_kernelTimer->start(remainingNs);
}

// Sets the timer for the time left; a deadline already past still wakes from
// the event loop rather than at once. A kernel timer that cannot be set would
// never wake the test (not even to stop it), so the QTimer takes over.
void PreciseStepClock::arm()
{
    const qint64 remaining = qMax<qint64>(m_deadline - now(), 1);
    if (m_kernelTimer) {
        if (setKernelTimer(remaining))
            return;
        useQtTimer();
    }
    m_fallbackTimer.start(int((remaining + NsPerMs - 1) / NsPerMs));
}

void PreciseStepClock::onWake()
{
    if (!m_armed)
        return;
    if (now() < m_deadline) {
        arm();
        return;
    }
    m_armed = false;
    emit timeout();
}
