// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

// A one-shot timer of the operating system that the event loop watches like
// any other event source, so it wakes the loop to the microsecond instead of
// the whole millisecond, without spinning: a timerfd on Linux, a
// high-resolution waitable timer on Windows. One header, one implementation
// per platform (unix/, windows/), chosen by the build.
class KernelTimer : public QObject {
    Q_OBJECT
public:
    explicit KernelTimer(QObject* parent = nullptr);
    ~KernelTimer() override;

    // False where the system has no such timer or would not give one.
    bool isValid() const;
    // Expires once after the time given; false if the system refused.
    bool start(qint64 nanoseconds);
    // Should stopping fail, the stray expiry must be ignored by the caller.
    void stop();

signals:
    void expired();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
