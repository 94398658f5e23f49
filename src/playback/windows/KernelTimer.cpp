// SPDX-License-Identifier: MIT
#include "KernelTimer.h"

#include <QWinEventNotifier>

#include <qt_windows.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

struct KernelTimer::Private {
    HANDLE timer = nullptr;
    QWinEventNotifier* notifier = nullptr;
};

KernelTimer::KernelTimer(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    // High resolution (Windows 10 1803 and later) wakes to a fraction of a
    // millisecond; without it a waitable timer is no better than the
    // multimedia timer behind Qt's precise timers, which then serves.
    d->timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                      TIMER_ALL_ACCESS);
    if (!d->timer)
        return;
    // A synchronization timer: the notifier's wait resets it.
    d->notifier = new QWinEventNotifier(d->timer, this);
    connect(d->notifier, &QWinEventNotifier::activated, this, &KernelTimer::expired);
}

KernelTimer::~KernelTimer()
{
    if (!d->timer)
        return;
    d->notifier->setEnabled(false);
    CancelWaitableTimer(d->timer);
    CloseHandle(d->timer);
}

bool KernelTimer::isValid() const
{
    return d->timer != nullptr;
}

bool KernelTimer::start(qint64 nanoseconds)
{
    LARGE_INTEGER due;
    // Negative: relative, in units of 100 ns.
    due.QuadPart = -qMax<qint64>(nanoseconds / 100, 1);
    return SetWaitableTimer(d->timer, &due, 0, nullptr, nullptr, FALSE);
}

void KernelTimer::stop()
{
    CancelWaitableTimer(d->timer);
}
