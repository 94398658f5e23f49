// SPDX-License-Identifier: MIT
#include "AnimationTiming.h"

#include <QTest>

// GIF delays for the test's steps: whole hundredths of a second, never under
// two, the rounding error carried so that the picture keeps the test's time.
// That the time is kept over long random series is checked on written
// pictures, in tst_exportanimation.
class AnimationTimingTest : public QObject {
    Q_OBJECT

private slots:
    void knownCases_data();
    void knownCases();
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

QTEST_GUILESS_MAIN(AnimationTimingTest)
#include "tst_animationtiming.moc"
