// SPDX-License-Identifier: MIT
#include "AnimationTiming.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

// GIF delays for the test's steps: whole hundredths of a second, never under
// two, the rounding error carried so that the picture keeps the test's time.
class AnimationTimingTest : public QObject {
    Q_OBJECT

private slots:
    void knownCases_data();
    void knownCases();
    void keepsTimeForSeededSeries();
};

using Delays = std::vector<int>;
Q_DECLARE_METATYPE(Delays)

void AnimationTimingTest::knownCases_data()
{
    QTest::addColumn<Delays>("durationsMs");
    QTest::addColumn<Delays>("delaysCs");
    QTest::newRow("whole hundredths") << Delays{20, 30, 1000} << Delays{2, 3, 100};
    QTest::newRow("halves carried") << Delays{25, 25, 25, 25} << Delays{3, 2, 3, 2};
    QTest::newRow("thirds carried") << Delays{33, 33, 33} << Delays{3, 4, 3};
    QTest::newRow("too short: stretched") << Delays{15, 15, 15, 15} << Delays{2, 2, 2, 2};
    QTest::newRow("one short among long") << Delays{40, 5, 40} << Delays{4, 2, 3};
    QTest::newRow("nothing") << Delays{} << Delays{};
}

void AnimationTimingTest::knownCases()
{
    QFETCH(Delays, durationsMs);
    QFETCH(Delays, delaysCs);
    QCOMPARE(AnimationTiming::delaysCs(durationsMs), delaysCs);
}

// Every frame ends within 5 ms of its true end when no frame is too short;
// with short frames the picture never runs ahead of the test.
void AnimationTimingTest::keepsTimeForSeededSeries()
{
    for (quint32 seed = 1; seed <= 500; ++seed) {
        QRandomGenerator random(seed);
        const int shortest = seed % 2 ? AnimationTiming::ShortestFaithfulMs : 1;
        Delays durations(std::size_t(random.bounded(1, 60)));
        for (int& duration : durations)
            duration = random.bounded(shortest, 5001);
        const Delays delays = AnimationTiming::delaysCs(durations);
        QCOMPARE(delays.size(), durations.size());
        long long trueEnd = 0;
        long long shownEnd = 0;
        for (std::size_t frame = 0; frame < delays.size(); ++frame) {
            QVERIFY(delays[frame] >= AnimationTiming::ShortestDelayCs);
            trueEnd += durations[frame];
            shownEnd += 10LL * delays[frame];
            if (shortest == AnimationTiming::ShortestFaithfulMs)
                QVERIFY2(std::llabs(shownEnd - trueEnd) <= 5, qPrintable(QString::number(seed)));
            else
                QVERIFY2(shownEnd >= trueEnd - 5, qPrintable(QString::number(seed)));
        }
    }
}

QTEST_GUILESS_MAIN(AnimationTimingTest)
#include "tst_animationtiming.moc"
