// SPDX-License-Identifier: MIT
#include "ManualStepClock.h"
#include "PlaybackHold.h"
#include "ProgramSettings.h"
#include "TestPlayback.h"

#include <QTest>

#include <memory>

namespace {

constexpr qint64 Ms = ManualStepClock::NsPerMs;
constexpr std::uint32_t Green = 0x00FF00;
constexpr std::uint32_t Red = 0x0000FF;
constexpr int GreenIndex = 2;
constexpr int RedIndex = 1;

// A playback on a hand-driven clock that logs what it shows:
// "show 3", "end 3", "finished".
struct Rig {
    explicit Rig(int speedMs = 20)
        : playback(sequence, settings)
        , clock(ManualStepClock::installIn(playback))
    {
        settings.setPcSpeed(speedMs);
        QObject::connect(&playback, &TestPlayback::stepShown,
                         [this](int event, const TestPlayback::LampColors& lamps) {
                             log << QStringLiteral("show %1").arg(event);
                             shown << event;
                             lastLamps = lamps;
                         });
        QObject::connect(&playback, &TestPlayback::stepEnded,
                         [this](int event) { log << QStringLiteral("end %1").arg(event); });
        QObject::connect(&playback, &TestPlayback::finished,
                         [this] { log << QStringLiteral("finished"); });
    }

    // Lets n step deadlines pass, one at a time.
    void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            clock->fire();
    }

    LedSequence sequence;
    ProgramSettings settings;
    TestPlayback playback;
    ManualStepClock* clock;
    QStringList log;
    QList<int> shown;
    TestPlayback::LampColors lastLamps{};
};

QList<int> range(int first, int last)
{
    QList<int> events;
    for (int event = first; event <= last; ++event)
        events << event;
    return events;
}

enum class Edit { None, StickTo130, ClearCell, ColourRed, ModeOff, ModeNone };

} // namespace

Q_DECLARE_METATYPE(Edit)

// The playback's stepping against a hand-driven clock: which event and lamps
// each step shows, how edits during the test take effect, the schedule, the
// stop and the hold.
class TestPlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void passesPlayEventsZeroToLast_data();
    void passesPlayEventsZeroToLast();
    void lastEventMovedDuringPassCountsFromNextPass_data();
    void lastEventMovedDuringPassCountsFromNextPass();
    void lampsFollowCellsColoursAndServoModes_data();
    void lampsFollowCellsColoursAndServoModes();
    void stickOutsideItsRangeIsIgnored();
    void stepsKeepTheirDeadlines_data();
    void stepsKeepTheirDeadlines();
    void speedIsReadAtEachStart();
    void stopEndsAfterTheCurrentStep_data();
    void stopEndsAfterTheCurrentStep();
    void startDuringWindDownPlaysAfresh();
    void holdKeepsTheEventAndResumesWithFreshSchedule_data();
    void holdKeepsTheEventAndResumesWithFreshSchedule();
    void shortHoldKeepsTheSchedule();
    void stopWhileHeldEndsAfterRelease();
    void holdsBelongToTheirRun();
};

void TestPlaybackTest::passesPlayEventsZeroToLast_data()
{
    QTest::addColumn<int>("lastEvent");
    QTest::addColumn<int>("stepCount");
    QTest::addColumn<QList<int>>("events");

    QTest::newRow("default 49, into the second pass") << 49 << 52 << (range(0, 49) << 0 << 1);
    QTest::newRow("last event 2") << 2 << 7 << QList<int>{0, 1, 2, 0, 1, 2, 0};
    QTest::newRow("last event 0 shows event 0 in every step") << 0 << 4 << QList<int>{0, 0, 0, 0};
}

void TestPlaybackTest::passesPlayEventsZeroToLast()
{
    QFETCH(int, lastEvent);
    QFETCH(int, stepCount);
    QFETCH(QList<int>, events);

    Rig rig;
    rig.sequence.setLastEvent(lastEvent);
    rig.playback.start();
    QCOMPARE(rig.shown, QList<int>{0}); // the first event appears at once
    rig.steps(stepCount - 1);
    QCOMPARE(rig.shown, events);

    // Each step's highlight ends before the next one begins.
    QStringList expectedLog;
    for (int i = 0; i < events.size(); ++i) {
        if (i > 0)
            expectedLog << QStringLiteral("end %1").arg(events[i - 1]);
        expectedLog << QStringLiteral("show %1").arg(events[i]);
    }
    QCOMPARE(rig.log, expectedLog);
    QCOMPARE(rig.playback.shownEvent(), events.last());
}

void TestPlaybackTest::lastEventMovedDuringPassCountsFromNextPass_data()
{
    QTest::addColumn<int>("initialLast");
    QTest::addColumn<int>("stepsBeforeMove");
    QTest::addColumn<int>("movedTo");
    QTest::addColumn<QList<int>>("events");

    QTest::newRow("49 moved to 9 while event 10 shows")
        << 49 << 11 << 9 << (range(0, 49) + range(0, 9) << 0);
    QTest::newRow("moved to the event being shown")
        << 49 << 11 << 10 << (range(0, 49) + range(0, 10) << 0);
    QTest::newRow("5 moved up to 20 while event 3 shows")
        << 5 << 4 << 20 << (range(0, 5) + range(0, 20) << 0);
    QTest::newRow("moved to 0 while the last event shows")
        << 3 << 4 << 0 << QList<int>{0, 1, 2, 3, 0, 0, 0};
}

void TestPlaybackTest::lastEventMovedDuringPassCountsFromNextPass()
{
    QFETCH(int, initialLast);
    QFETCH(int, stepsBeforeMove);
    QFETCH(int, movedTo);
    QFETCH(QList<int>, events);

    Rig rig;
    rig.sequence.setLastEvent(initialLast);
    rig.playback.start();
    rig.steps(stepsBeforeMove - 1);
    rig.sequence.setLastEvent(movedTo);
    rig.steps(int(events.size()) - stepsBeforeMove);
    QCOMPARE(rig.shown, events);
}

void TestPlaybackTest::lampsFollowCellsColoursAndServoModes_data()
{
    QTest::addColumn<int>("servoMode");
    QTest::addColumn<int>("stick");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<std::uint32_t>("before");
    QTest::addColumn<std::uint32_t>("after");

    QTest::newRow("NONE follows its cells") << 15 << 150 << Edit::None << Green << Green;
    QTest::newRow("OFF stays dark although lit") << 0 << 150 << Edit::None << 0u << 0u;
    QTest::newRow("zone 0 only, stick 124") << 1 << 124 << Edit::None << Green << Green;
    QTest::newRow("zone 0 only, stick 125") << 1 << 125 << Edit::None << 0u << 0u;
    QTest::newRow("zone 3 only, stick 199") << 8 << 199 << Edit::None << Green << Green;
    QTest::newRow("zones 0+1: stick 150 dark, moved to 130 lit")
        << 3 << 150 << Edit::StickTo130 << 0u << Green;
    QTest::newRow("cell cleared during the test") << 15 << 150 << Edit::ClearCell << Green << 0u;
    QTest::newRow("colour changed during the test") << 15 << 150 << Edit::ColourRed << Green << Red;
    QTest::newRow("servo mode set to OFF during the test")
        << 15 << 150 << Edit::ModeOff << Green << 0u;
    QTest::newRow("servo mode set to NONE during the test")
        << 0 << 150 << Edit::ModeNone << 0u << Green;
}

// LED#2 is lit in every event and green; the other LEDs stay dark. The edit is
// made while event 0 shows and must show from event 1 on.
void TestPlaybackTest::lampsFollowCellsColoursAndServoModes()
{
    QFETCH(int, servoMode);
    QFETCH(int, stick);
    QFETCH(Edit, edit);
    QFETCH(std::uint32_t, before);
    QFETCH(std::uint32_t, after);

    constexpr int Led = 1;
    Rig rig;
    for (int event = 0; event < LedSequence::EventCount; ++event)
        rig.sequence.setCell(Led, event, 1);
    rig.sequence.setLedColor(Led, GreenIndex);
    rig.sequence.setServoMode(Led, servoMode);
    rig.playback.setStickValue(stick);
    rig.playback.start();
    QCOMPARE(rig.lastLamps, (TestPlayback::LampColors{0, before, 0, 0}));
    QCOMPARE(rig.playback.lampColors(), rig.lastLamps);

    switch (edit) {
    case Edit::None:
        break;
    case Edit::StickTo130:
        rig.playback.setStickValue(130);
        break;
    case Edit::ClearCell:
        rig.sequence.setCell(Led, 1, 0);
        break;
    case Edit::ColourRed:
        rig.sequence.setLedColor(Led, RedIndex);
        break;
    case Edit::ModeOff:
        rig.sequence.setServoMode(Led, 0);
        break;
    case Edit::ModeNone:
        rig.sequence.setServoMode(Led, 15);
        break;
    }
    QCOMPARE(rig.playback.lampColors()[Led], before); // nothing repaints mid-step
    rig.steps(1);
    QCOMPARE(rig.shown.last(), 1);
    QCOMPARE(rig.lastLamps, (TestPlayback::LampColors{0, after, 0, 0}));
}

void TestPlaybackTest::stickOutsideItsRangeIsIgnored()
{
    Rig rig;
    rig.playback.setStickValue(175);
    QCOMPARE(rig.playback.servoZoneBit(), 8);
    for (int outside : {200, 99, 0}) {
        rig.playback.setStickValue(outside);
        QCOMPARE(rig.playback.stickValue(), 175);
        QCOMPARE(rig.playback.servoZoneBit(), 8);
    }
}

void TestPlaybackTest::stepsKeepTheirDeadlines_data()
{
    QTest::addColumn<qint64>("lateness");
    QTest::addColumn<qint64>("nextStepAfterWake");

    // A wake-up late by less than a step shortens the next step instead of
    // shifting all later ones; one late by a whole step or more starts a new
    // schedule, so the missed steps are not played back to back.
    QTest::newRow("on time") << qint64(0) << 20 * Ms;
    QTest::newRow("late by half a step") << 10 * Ms << 10 * Ms;
    QTest::newRow("late by just under a step") << 20 * Ms - 1 << qint64(1);
    QTest::newRow("late by exactly a step") << 20 * Ms << 20 * Ms;
    QTest::newRow("late by a step and a half") << 30 * Ms << 20 * Ms;
    QTest::newRow("late by several steps") << 75 * Ms << 20 * Ms;
}

void TestPlaybackTest::stepsKeepTheirDeadlines()
{
    QFETCH(qint64, lateness);
    QFETCH(qint64, nextStepAfterWake);

    Rig rig(20);
    const qint64 t0 = rig.clock->now();
    rig.playback.start();
    QCOMPARE(rig.clock->deadline(), t0 + 20 * Ms);

    rig.clock->advance(20 * Ms - 1);
    QCOMPARE(rig.shown.size(), 1);
    rig.clock->advance(1);
    QCOMPARE(rig.shown.size(), 2);
    QCOMPARE(rig.clock->deadline(), t0 + 40 * Ms);

    rig.clock->advance(20 * Ms + lateness);
    QCOMPARE(rig.shown.size(), 3);
    const qint64 wake = rig.clock->now();
    QCOMPARE(rig.clock->deadline(), wake + nextStepAfterWake);

    // The step after that gets a whole step again: no burst to catch up.
    rig.clock->advance(nextStepAfterWake - 1);
    QCOMPARE(rig.shown.size(), 3);
    rig.clock->advance(1);
    QCOMPARE(rig.shown, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(rig.clock->deadline(), wake + nextStepAfterWake + 20 * Ms);
}

void TestPlaybackTest::speedIsReadAtEachStart()
{
    Rig rig(20);
    rig.playback.start();
    rig.settings.setPcSpeed(5);
    rig.steps(1);
    QCOMPARE(rig.clock->deadline() - rig.clock->now(), 20 * Ms);

    rig.playback.stop();
    rig.steps(1);
    QVERIFY(!rig.playback.isPlaying());
    rig.playback.start();
    QCOMPARE(rig.clock->deadline() - rig.clock->now(), 5 * Ms);
}

void TestPlaybackTest::stopEndsAfterTheCurrentStep_data()
{
    QTest::addColumn<int>("stepsBeforeStop");
    QTest::addColumn<int>("lastEvent");

    QTest::newRow("during the first step") << 0 << 49;
    QTest::newRow("mid-pass") << 3 << 49;
    QTest::newRow("on the last event of a pass") << 2 << 2;
}

void TestPlaybackTest::stopEndsAfterTheCurrentStep()
{
    QFETCH(int, stepsBeforeStop);
    QFETCH(int, lastEvent);

    Rig rig;
    rig.sequence.setCell(0, stepsBeforeStop, 1);
    rig.sequence.setLastEvent(lastEvent);
    QList<bool> runningSignals;
    connect(&rig.playback, &TestPlayback::runningChanged,
            [&runningSignals](bool running) { runningSignals << running; });
    rig.playback.start();
    rig.steps(stepsBeforeStop);
    const int event = rig.playback.shownEvent();
    QCOMPARE(event, stepsBeforeStop);
    rig.log.clear();

    rig.playback.stop();
    QCOMPARE(runningSignals, (QList<bool>{true, false}));
    // Flag down at once; the current step keeps its highlight and lamps.
    QVERIFY(!rig.playback.isRunning());
    QVERIFY(rig.playback.isPlaying());
    QCOMPARE(rig.playback.shownEvent(), event);
    QCOMPARE(rig.playback.lampColors()[0], 0xFFFFFFu);
    QVERIFY(rig.log.isEmpty());

    rig.steps(1);
    QCOMPARE(rig.log,
             (QStringList{QStringLiteral("end %1").arg(event), QStringLiteral("finished")}));
    QVERIFY(!rig.playback.isPlaying());
    QCOMPARE(rig.playback.shownEvent(), -1);
    QCOMPARE(rig.playback.lampColors(), TestPlayback::LampColors{});
    QVERIFY(!rig.clock->isArmed());
    rig.clock->advance(1000 * Ms);
    QCOMPARE(rig.log.size(), 2);
}

void TestPlaybackTest::startDuringWindDownPlaysAfresh()
{
    Rig rig;
    rig.playback.start();
    rig.steps(4);
    rig.playback.stop();
    rig.clock->advance(5 * Ms);
    rig.log.clear();

    rig.playback.start();
    QVERIFY(rig.playback.isRunning());
    QCOMPARE(rig.log, (QStringList{QStringLiteral("end 4"), QStringLiteral("show 0")}));
    QCOMPARE(rig.clock->deadline(), rig.clock->now() + 20 * Ms);
    rig.steps(1);
    QCOMPARE(rig.log.last(), QStringLiteral("show 1"));
    QVERIFY(!rig.log.contains(QStringLiteral("finished")));
}

void TestPlaybackTest::holdKeepsTheEventAndResumesWithFreshSchedule_data()
{
    QTest::addColumn<int>("holds");
    QTest::addColumn<int>("releasesBeforeResume");

    QTest::newRow("one hold") << 1 << 0;
    QTest::newRow("nested holds, released one by one") << 2 << 1;
}

void TestPlaybackTest::holdKeepsTheEventAndResumesWithFreshSchedule()
{
    QFETCH(int, holds);
    QFETCH(int, releasesBeforeResume);

    Rig rig;
    rig.playback.start();
    rig.steps(2);
    for (int i = 0; i < holds; ++i)
        rig.playback.hold();
    rig.log.clear();

    rig.clock->advance(200 * Ms); // ten steps' worth
    rig.steps(3);
    for (int i = 0; i < releasesBeforeResume; ++i) {
        rig.playback.release();
        rig.steps(1);
    }
    QVERIFY(rig.playback.isHeld());
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.playback.shownEvent(), 2);

    rig.playback.release();
    QVERIFY(!rig.playback.isHeld());
    QVERIFY(rig.log.isEmpty()); // goes on from the event loop, not inside release()
    rig.clock->advance(0);
    QCOMPARE(rig.log, (QStringList{QStringLiteral("end 2"), QStringLiteral("show 3")}));
    // One step, then a whole period for it: no catching up on the steps missed.
    QCOMPARE(rig.clock->deadline(), rig.clock->now() + 20 * Ms);
    rig.steps(1);
    QCOMPARE(rig.shown.last(), 4);

    rig.playback.release(); // unmatched: harmless
    QVERIFY(!rig.playback.isHeld());
}

void TestPlaybackTest::shortHoldKeepsTheSchedule()
{
    Rig rig;
    const qint64 t0 = rig.clock->now();
    rig.playback.start();
    rig.clock->advance(5 * Ms);
    {
        PlaybackHold hold(&rig.playback);
        QVERIFY(rig.playback.isHeld());
        rig.clock->advance(5 * Ms);
    }
    QVERIFY(!rig.playback.isHeld());
    QCOMPARE(rig.clock->deadline(), t0 + 20 * Ms);
    rig.steps(1);
    QCOMPARE(rig.shown, (QList<int>{0, 1}));
}

void TestPlaybackTest::stopWhileHeldEndsAfterRelease()
{
    Rig rig;
    rig.playback.start();
    rig.steps(1);
    rig.playback.stop();
    rig.playback.hold();
    rig.steps(2);
    QVERIFY(rig.playback.isPlaying());
    QCOMPARE(rig.playback.shownEvent(), 1);

    rig.playback.release();
    rig.clock->advance(0);
    QVERIFY(!rig.playback.isPlaying());
    QCOMPARE(rig.log.last(), QStringLiteral("finished"));
    QCOMPARE(rig.playback.lampColors(), TestPlayback::LampColors{});
}

// A pop-up list opened before the test started, or during an earlier run,
// must not freeze a test started while it is open.
void TestPlaybackTest::holdsBelongToTheirRun()
{
    Rig rig;
    {
        PlaybackHold beforeStart(&rig.playback);
        rig.playback.start();
        QVERIFY(!rig.playback.isHeld());
        rig.steps(1);
        QCOMPARE(rig.shown, (QList<int>{0, 1}));
    }
    QVERIFY(!rig.playback.isHeld());

    auto fromFirstRun = std::make_unique<PlaybackHold>(&rig.playback);
    QVERIFY(rig.playback.isHeld());
    rig.playback.stop();
    rig.playback.start();
    QVERIFY(!rig.playback.isHeld());
    PlaybackHold fromSecondRun(&rig.playback);
    fromFirstRun.reset(); // must not release the second run's hold
    QVERIFY(rig.playback.isHeld());
}

QTEST_GUILESS_MAIN(TestPlaybackTest)
#include "tst_testplayback.moc"
