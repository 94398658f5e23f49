// SPDX-License-Identifier: MIT
#include "PreciseStepClock.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace {
constexpr qint64 NsPerMs = 1000000;
[[maybe_unused]] constexpr qint64 NsPerSecond = 1000000000;
} // namespace

PreciseStepClock::PreciseStepClock(QObject* parent, Backend backend)
    : StepClock(parent)
{
    m_clock.start();
    if (backend == Backend::KernelTimer)
        openKernelTimer();
    if (m_timerFd < 0)
        useQtTimer();
}

PreciseStepClock::~PreciseStepClock()
{
    closeKernelTimer();
}

void PreciseStepClock::openKernelTimer()
{
#ifdef Q_OS_LINUX
    m_timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timerFd < 0)
        return;
    m_notifier = new QSocketNotifier(qintptr(m_timerFd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PreciseStepClock::onWake);
#endif
}

void PreciseStepClock::closeKernelTimer()
{
#ifdef Q_OS_LINUX
    if (m_timerFd < 0)
        return;
    // Disabled before its descriptor goes; deleted later, as this may run
    // inside its own activated() signal.
    m_notifier->setEnabled(false);
    m_notifier->deleteLater();
    m_notifier = nullptr;
    ::close(m_timerFd);
    m_timerFd = -1;
#endif
}

void PreciseStepClock::useQtTimer()
{
    closeKernelTimer();
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
#ifdef Q_OS_LINUX
    if (m_timerFd >= 0) {
        // Should disarming fail, the stray expiry is ignored by onWake().
        const itimerspec disarm{};
        timerfd_settime(m_timerFd, 0, &disarm, nullptr);
        return;
    }
#endif
    m_fallbackTimer.stop();
}

bool PreciseStepClock::setKernelTimer(qint64 remainingNs)
{
#ifdef Q_OS_LINUX
    itimerspec expiry{};
    expiry.it_value.tv_sec = time_t(remainingNs / NsPerSecond);
    expiry.it_value.tv_nsec = long(remainingNs % NsPerSecond);
    return timerfd_settime(m_timerFd, 0, &expiry, nullptr) == 0;
#else
    Q_UNUSED(remainingNs);
    return false;
#endif
}

// Sets the timer for the time left; a deadline already past still wakes from
// the event loop rather than at once. A kernel timer that cannot be set would
// never wake the test (not even to stop it), so the QTimer takes over.
void PreciseStepClock::arm()
{
    const qint64 remaining = qMax<qint64>(m_deadline - now(), 1);
    if (m_timerFd >= 0) {
        if (setKernelTimer(remaining))
            return;
        useQtTimer();
    }
    m_fallbackTimer.start(int((remaining + NsPerMs - 1) / NsPerMs));
}

void PreciseStepClock::onWake()
{
#ifdef Q_OS_LINUX
    if (m_timerFd >= 0) {
        // Consume the expiry so the descriptor stops reporting readable; a
        // failed read only means a cancelled or already consumed expiry.
        std::uint64_t expirations = 0;
        const ssize_t got = ::read(m_timerFd, &expirations, sizeof expirations);
        Q_UNUSED(got);
    }
#endif
    if (!m_armed)
        return;
    if (now() < m_deadline) {
        arm();
        return;
    }
    m_armed = false;
    emit timeout();
}
