#include "PreciseStepClock.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr qint64 Ms = 1000000;
} // namespace

// The real step clock's contract, which the playback relies on: one wake-up
// per request, never before its deadline and never from inside the request.
class PreciseStepClockTest : public QObject {
    Q_OBJECT
private slots:
    void wakesOnceNotBeforeTheDeadline_data();
    void wakesOnceNotBeforeTheDeadline();
    void laterRequestReplacesEarlierOne();
    void cancelledRequestNeverWakes();
};

void PreciseStepClockTest::wakesOnceNotBeforeTheDeadline_data()
{
    QTest::addColumn<qint64>("offset");

    QTest::newRow("deadline already past") << -5 * Ms;
    QTest::newRow("deadline now") << qint64(0);
    QTest::newRow("sub-millisecond") << Ms / 4;
    QTest::newRow("a few milliseconds") << 3 * Ms;
}

void PreciseStepClockTest::wakesOnceNotBeforeTheDeadline()
{
    QFETCH(qint64, offset);

    PreciseStepClock clock;
    qint64 wokeAt = -1;
    connect(&clock, &StepClock::timeout, [&] { wokeAt = clock.now(); });
    QSignalSpy spy(&clock, &StepClock::timeout);
    const qint64 deadline = clock.now() + offset;
    clock.wakeAt(deadline);
    QCOMPARE(spy.count(), 0); // from the event loop only

    QVERIFY(spy.wait(5000));
    QVERIFY(wokeAt >= deadline);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 1);
}

void PreciseStepClockTest::laterRequestReplacesEarlierOne()
{
    PreciseStepClock clock;
    QSignalSpy spy(&clock, &StepClock::timeout);
    clock.wakeAt(clock.now() + 3600 * 1000 * Ms);
    const qint64 deadline = clock.now() + 2 * Ms;
    clock.wakeAt(deadline);
    QVERIFY(spy.wait(5000));
    QVERIFY(clock.now() >= deadline);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 1);
}

void PreciseStepClockTest::cancelledRequestNeverWakes()
{
    PreciseStepClock clock;
    QSignalSpy spy(&clock, &StepClock::timeout);
    clock.wakeAt(clock.now() + 2 * Ms);
    clock.cancel();
    QVERIFY(!spy.wait(50));
}

QTEST_GUILESS_MAIN(PreciseStepClockTest)
#include "PreciseStepClockTest.moc"
