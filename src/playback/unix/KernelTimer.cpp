// SPDX-License-Identifier: MIT
#include "KernelTimer.h"

#include <QSocketNotifier>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#endif

struct KernelTimer::Private {
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
};

namespace {
[[maybe_unused]] constexpr qint64 NsPerSecond = 1000000000;
} // namespace

KernelTimer::KernelTimer(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
#ifdef Q_OS_LINUX
    d->fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (d->fd < 0)
        return;
    d->notifier = new QSocketNotifier(qintptr(d->fd), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] {
        // Consume the expiry so the descriptor stops reporting readable; a
        // failed read only means a cancelled or already consumed expiry.
        std::uint64_t expirations = 0;
        const ssize_t got = ::read(d->fd, &expirations, sizeof expirations);
        Q_UNUSED(got);
        emit expired();
    });
#endif
}

KernelTimer::~KernelTimer()
{
#ifdef Q_OS_LINUX
    if (d->fd < 0)
        return;
    // Disabled before its descriptor goes.
    d->notifier->setEnabled(false);
    ::close(d->fd);
#endif
}

bool KernelTimer::isValid() const
{
    return d->fd >= 0;
}

bool KernelTimer::start(qint64 nanoseconds)
{
#ifdef Q_OS_LINUX
    itimerspec expiry{};
    expiry.it_value.tv_sec = time_t(nanoseconds / NsPerSecond);
    expiry.it_value.tv_nsec = long(nanoseconds % NsPerSecond);
    return timerfd_settime(d->fd, 0, &expiry, nullptr) == 0;
#else
    Q_UNUSED(nanoseconds);
    return false;
#endif
}

void KernelTimer::stop()
{
#ifdef Q_OS_LINUX
    const itimerspec disarm{};
    timerfd_settime(d->fd, 0, &disarm, nullptr);
#endif
}
