// SPDX-License-Identifier: MIT
#include "PreciseStepClock.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

constexpr qint64 Ms = 1000000;

// A kernel timer the system refuses to set.
class RefusedKernelTimerClock : public PreciseStepClock {
protected:
    bool setKernelTimer(qint64) override { return false; }
};

enum class Timer { Kernel, Qt, RefusedKernel };

std::unique_ptr<PreciseStepClock> makeClock(Timer timer)
{
    switch (timer) {
    case Timer::Kernel:
        return std::make_unique<PreciseStepClock>();
    case Timer::Qt:
        return std::make_unique<PreciseStepClock>(nullptr, PreciseStepClock::Backend::QtTimer);
    case Timer::RefusedKernel:
        return std::make_unique<RefusedKernelTimerClock>();
    }
    return nullptr;
}

const std::initializer_list<std::pair<const char*, Timer>> Timers{
    {"kernel timer", Timer::Kernel},
    {"Qt timer", Timer::Qt},
    {"kernel timer refused", Timer::RefusedKernel}};

void addTimerColumn()
{
    QTest::addColumn<Timer>("timer");
    for (const auto& [name, timer] : Timers)
        QTest::newRow(name) << timer;
}

} // namespace

Q_DECLARE_METATYPE(Timer)

// The real step clock's contract, which the playback relies on: one wake-up
// per request, never before its deadline and never from inside the request;
// on every timer it may sleep on, including the fallback when the kernel
// timer cannot be set.
class PreciseStepClockTest : public QObject {
    Q_OBJECT
private slots:
    void wakesOnceNotBeforeTheDeadline_data();
    void wakesOnceNotBeforeTheDeadline();
    void laterRequestReplacesEarlierOne_data() { addTimerColumn(); }
    void laterRequestReplacesEarlierOne();
    void cancelledRequestNeverWakes_data() { addTimerColumn(); }
    void cancelledRequestNeverWakes();
    void refusedKernelTimerFallsBackToQtTimer();
};

void PreciseStepClockTest::wakesOnceNotBeforeTheDeadline_data()
{
    QTest::addColumn<Timer>("timer");
    QTest::addColumn<qint64>("offset");

    const std::initializer_list<std::pair<const char*, qint64>> offsets{
        {"deadline already past", -5 * Ms},
        {"deadline now", 0},
        {"sub-millisecond", Ms / 4},
        {"a few milliseconds", 3 * Ms}};
    for (const auto& [timerName, timer] : Timers) {
        for (const auto& [offsetName, offset] : offsets)
            QTest::addRow("%s, %s", timerName, offsetName) << timer << offset;
    }
}

void PreciseStepClockTest::wakesOnceNotBeforeTheDeadline()
{
    QFETCH(Timer, timer);
    QFETCH(qint64, offset);

    const auto clock = makeClock(timer);
    qint64 wokeAt = -1;
    connect(clock.get(), &StepClock::timeout, [&] { wokeAt = clock->now(); });
    QSignalSpy spy(clock.get(), &StepClock::timeout);
    const qint64 deadline = clock->now() + offset;
    clock->wakeAt(deadline);
    QCOMPARE(spy.count(), 0); // from the event loop only

    QVERIFY(spy.wait(5000));
    QVERIFY(wokeAt >= deadline);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 1);
}

void PreciseStepClockTest::laterRequestReplacesEarlierOne()
{
    QFETCH(Timer, timer);

    const auto clock = makeClock(timer);
    QSignalSpy spy(clock.get(), &StepClock::timeout);
    clock->wakeAt(clock->now() + 3600 * 1000 * Ms);
    const qint64 deadline = clock->now() + 2 * Ms;
    clock->wakeAt(deadline);
    QVERIFY(spy.wait(5000));
    QVERIFY(clock->now() >= deadline);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 1);
}

void PreciseStepClockTest::cancelledRequestNeverWakes()
{
    QFETCH(Timer, timer);

    const auto clock = makeClock(timer);
    QSignalSpy spy(clock.get(), &StepClock::timeout);
    clock->wakeAt(clock->now() + 2 * Ms);
    clock->cancel();
    QVERIFY(!spy.wait(50));
}

// The clock keeps sleeping on the Qt timer once the kernel refused, so later
// requests wake as well.
void PreciseStepClockTest::refusedKernelTimerFallsBackToQtTimer()
{
    RefusedKernelTimerClock clock;
    QSignalSpy spy(&clock, &StepClock::timeout);
    clock.wakeAt(clock.now() + Ms);
    QCOMPARE(clock.backend(), PreciseStepClock::Backend::QtTimer);
    QVERIFY(spy.wait(5000));
    clock.wakeAt(clock.now() + Ms);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 2);
}

QTEST_GUILESS_MAIN(PreciseStepClockTest)
#include "tst_precisestepclock.moc"
