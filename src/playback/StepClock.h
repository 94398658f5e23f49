// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QtGlobal>

// Paces the visual test: a monotonic clock and one pending wake-up at an
// absolute time on it. Scheduling against absolute deadlines (rather than
// "one interval after the last wake-up") keeps a long run free of drift.
// The real clock is PreciseStepClock; tests substitute a clock they drive.
class StepClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~StepClock() override;

    // Nanoseconds since an arbitrary fixed origin; never goes backwards.
    virtual qint64 now() const = 0;
    // Requests one timeout() once now() has reached the deadline, replacing any
    // earlier request. Never emits from inside this call.
    virtual void wakeAt(qint64 deadline) = 0;
    virtual void cancel() = 0;

signals:
    void timeout();
};
