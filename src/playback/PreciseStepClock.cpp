#include "PreciseStepClock.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace {
constexpr qint64 NsPerMs = 1000000;
constexpr qint64 NsPerSecond = 1000000000;
} // namespace

PreciseStepClock::PreciseStepClock(QObject* parent)
    : StepClock(parent)
{
    m_clock.start();
#ifdef Q_OS_LINUX
    m_timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timerFd >= 0) {
        m_notifier = new QSocketNotifier(qintptr(m_timerFd), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &PreciseStepClock::onWake);
        return;
    }
#endif
    m_fallbackTimer.setSingleShot(true);
    m_fallbackTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_fallbackTimer, &QTimer::timeout, this, &PreciseStepClock::onWake);
}

PreciseStepClock::~PreciseStepClock()
{
#ifdef Q_OS_LINUX
    if (m_timerFd >= 0) {
        delete m_notifier; // before its descriptor goes
        ::close(m_timerFd);
    }
#endif
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
        const itimerspec disarm{};
        timerfd_settime(m_timerFd, 0, &disarm, nullptr);
        return;
    }
#endif
    m_fallbackTimer.stop();
}

// Sets the timer for the time left; a deadline already past still wakes from
// the event loop rather than at once.
void PreciseStepClock::arm()
{
    const qint64 remaining = qMax<qint64>(m_deadline - now(), 1);
#ifdef Q_OS_LINUX
    if (m_timerFd >= 0) {
        itimerspec spec{};
        spec.it_value.tv_sec = time_t(remaining / NsPerSecond);
        spec.it_value.tv_nsec = long(remaining % NsPerSecond);
        timerfd_settime(m_timerFd, 0, &spec, nullptr);
        return;
    }
#endif
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
