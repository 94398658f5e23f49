// SPDX-License-Identifier: MIT
// The browser offers no timer finer than the event loop's own: the step clock
// falls back to Qt's timers, as it does wherever a kernel timer is refused.
#include "KernelTimer.h"

struct KernelTimer::Private {};

KernelTimer::KernelTimer(QObject* parent)
    : QObject(parent)
{
}

KernelTimer::~KernelTimer() = default;

bool KernelTimer::isValid() const
{
    return false;
}

bool KernelTimer::start(qint64)
{
    return false;
}

void KernelTimer::stop() {}
