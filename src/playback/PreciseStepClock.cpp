#include "PreciseStepClock.h"

namespace {
constexpr qint64 NsPerMs = 1000000;
// How long before the deadline the coarse sleep ends and the fine re-checking
// begins: one timer granule plus room for the usual wake-up latency.
constexpr qint64 FineWindowNs = 2 * NsPerMs;
} // namespace

PreciseStepClock::PreciseStepClock(QObject* parent)
    : StepClock(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PreciseStepClock::onTimer);
}

void PreciseStepClock::wakeAt(qint64 deadline)
{
    m_deadline = deadline;
    arm();
}

void PreciseStepClock::cancel()
{
    m_timer.stop();
}

void PreciseStepClock::arm()
{
    const qint64 remaining = m_deadline - now();
    const qint64 coarse = remaining - FineWindowNs;
    m_timer.start(coarse > NsPerMs ? int(coarse / NsPerMs) : 0);
}

void PreciseStepClock::onTimer()
{
    if (now() < m_deadline) {
        arm();
        return;
    }
    emit timeout();
}
