// SPDX-License-Identifier: MIT
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"
#include "SequenceLink.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

// The gallery's examples: each is a file the program writes byte for byte,
// each shows the lighting convention its name promises, and the manual links
// each to the browser edition.
class ExamplesTest : public QObject {
    Q_OBJECT

private slots:
    void everyExampleIsChecked();
    void example_data();
    void example();
};

namespace {

enum Color { Red = 1, Green = 2, Yellow = 3, Blue = 4, White = 7 };

struct Flash {
    int start;  // event
    int length; // events
};

// One loop of an example, as the test plays it.
struct Loop {
    SequenceFile file;

    int events() const { return file.lastEvent + 1; }
    double perMinute(std::size_t count) const
    {
        return count * 60000.0 / (events() * file.pcSpeed);
    }
    int color(int led) const { return file.ledColors[std::size_t(led)]; }
    bool lit(int led, int event) const
    {
        return SequenceFile::lightsLed(file.events[std::size_t(event % events())], led);
    }
    // The runs of lit events, the loop seen as a circle; empty for a steady
    // or dark LED.
    std::vector<Flash> flashes(int led) const
    {
        int firstDark = 0;
        while (firstDark < events() && lit(led, firstDark))
            ++firstDark;
        std::vector<Flash> found;
        for (int event = firstDark + 1; firstDark < events() && event <= firstDark + events();
             ++event)
            if (lit(led, event) && !lit(led, event - 1))
                found.push_back({event % events(), 1});
            else if (lit(led, event))
                ++found.back().length;
        return found;
    }
    // The dark events after each flash, shortest first.
    std::vector<int> gaps(int led) const
    {
        const std::vector<Flash> all = flashes(led);
        std::vector<int> found;
        for (std::size_t at = 0; at < all.size(); ++at)
            found.push_back(
                (all[(at + 1) % all.size()].start - all[at].start - all[at].length + events())
                % events());
        std::sort(found.begin(), found.end());
        return found;
    }
    // The LED lit at each event, or nothing unless exactly one is lit at every event.
    std::vector<int> singleLitLeds() const
    {
        std::vector<int> leds;
        for (int event = 0; event < events(); ++event) {
            std::vector<int> litNow;
            for (int led = 0; led < LedSequence::LedCount; ++led)
                if (lit(led, event))
                    litNow.push_back(led);
            if (litNow.size() != 1)
                return {};
            leds.push_back(litNow[0]);
        }
        return leds;
    }
};

using Check = std::function<void(const Loop&)>;
constexpr int Steady = 0;

struct Lamp {
    int color;
    int flashes;    // a loop; Steady for a lamp always lit
    int groups = 1; // of flashes a loop, a double flash counting once
};

// LEDs 0, 1, ... in their colours, steady or flashing as anti-collision
// lights do: 40 to 100 groups a minute, each white flash short, a double
// flash's two flashes close together, well apart from the next pair.
Check lamps(const std::vector<Lamp>& expected)
{
    return [expected](const Loop& loop) {
        for (int led = 0; led < int(expected.size()); ++led) {
            const Lamp lamp = expected[std::size_t(led)];
            QCOMPARE(loop.color(led), lamp.color);
            QCOMPARE(loop.flashes(led).size(), std::size_t(lamp.flashes));
            if (lamp.flashes == Steady) {
                QVERIFY(loop.lit(led, 0));
                continue;
            }
            const double rate = loop.perMinute(std::size_t(lamp.groups));
            QVERIFY2(rate >= 40 && rate <= 100, qPrintable(QString::number(rate)));
            for (const Flash& flash : loop.flashes(led))
                QVERIFY(lamp.color != White || flash.length * loop.file.pcSpeed <= 100);
            const std::vector<int> gaps = loop.gaps(led);
            if (lamp.color == White && lamp.flashes == 2)
                QVERIFY(gaps[0] >= 1 && gaps[0] * loop.file.pcSpeed <= 200
                        && gaps[1] >= 3 * gaps[0]);
        }
    };
}

const std::map<QString, Check>& checks()
{
    static const std::map<QString, Check> table{
        {"anticollision-strobe-single-flash.dat", lamps({{White, 1}})},
        {"anticollision-strobe-double-flash.dat", lamps({{White, 2}})},
        {"red-beacon.dat",
         [](const Loop& l) {
             lamps({{Red, 1}})(l);
             // A rotating beacon sweeps past: lit for a good part of its turn.
             QVERIFY(l.flashes(0)[0].length * 5 >= l.events());
         }},
        {"nav-lights-with-strobe.dat",
         lamps({{Red, Steady}, {Green, Steady}, {White, Steady}, {White, 1}})},
        {"landing-light-on-stick.dat",
         [](const Loop& l) {
             lamps({{White, Steady}, {Red, Steady}, {Green, Steady}})(l);
             // Lit only with the stick at the top, not where it starts nor at the bottom.
             QCOMPARE(l.file.servoModes[0] & 0b1101, 0b1000);
             for (int led = 1; led < LedSequence::LedCount; ++led)
                 QCOMPARE(l.file.servoModes[std::size_t(led)], ServoControl::None);
         }},
        {"helicopter-beacon-strobe-nav.dat",
         lamps({{Red, 1}, {White, 1}, {Red, Steady}, {Green, Steady}})},
        {"airliner-beacon-double-strobe-nav.dat",
         lamps({{Red, 2, 2}, {White, 2}, {Red, Steady}, {Green, Steady}})},
        {"emergency-wigwag-red-blue.dat",
         [](const Loop& l) {
             for (int event = 0; event < l.events(); ++event)
                 QVERIFY(l.lit(0, event) != l.lit(1, event) && l.lit(2, event) == l.lit(0, event)
                         && l.lit(3, event) == l.lit(1, event));
             QVERIFY(l.flashes(0).size() == 1 && l.flashes(0)[0].length * 2 == l.events());
             QVERIFY(l.color(0) == Red && l.color(1) == Blue);
         }},
        {"emergency-quad-flash-red-blue.dat",
         [](const Loop& l) {
             for (int led : {0, 1}) {
                 QCOMPARE(l.flashes(led).size(), std::size_t(4));
                 QVERIFY(l.flashes(led)[3].start < l.flashes(1 - led)[0].start
                         || l.flashes(led)[0].start > l.flashes(1 - led)[3].start);
             }
             for (int event = 0; event < l.events(); ++event)
                 QVERIFY(!(l.lit(0, event) && l.lit(1, event)));
             QVERIFY(l.color(0) == Red && l.color(1) == Blue);
         }},
        {"construction-amber-beacon.dat",
         [](const Loop& l) {
             // One lamp after the other round the dome, once a loop.
             const std::vector<int> leds = l.singleLitLeds();
             QCOMPARE(int(leds.size()), l.events());
             int turns = 0;
             for (std::size_t at = 1; at <= leds.size(); ++at) {
                 const int step = (leds[at % leds.size()] - leds[at - 1] + 4) % 4;
                 QVERIFY(step <= 1);
                 turns += step;
             }
             QCOMPARE(turns, LedSequence::LedCount);
             QVERIFY(l.perMinute(1) >= 60 && l.perMinute(1) <= 240);
             for (int led = 0; led < LedSequence::LedCount; ++led)
                 QCOMPARE(l.color(led), int(Yellow));
         }},
        {"ship-under-way-lights.dat",
         lamps({{Red, Steady}, {Green, Steady}, {White, Steady}, {White, Steady}})},
        {"lighthouse-group-flash-2-every-5s.dat",
         [](const Loop& l) {
             QCOMPARE(l.events() * l.file.pcSpeed, 5000);
             QCOMPARE(l.flashes(0).size(), std::size_t(2));
             QVERIFY(l.gaps(0)[0] < l.gaps(0)[1]);
             QCOMPARE(l.color(0), int(White));
         }},
        {"knight-rider-chaser.dat",
         [](const Loop& l) {
             // Back and forth: each step moves to a neighbour, end to end.
             const std::vector<int> leds = l.singleLitLeds();
             QCOMPARE(int(leds.size()), l.events());
             for (std::size_t at = 1; at <= leds.size(); ++at)
                 QCOMPARE(std::abs(leds[at % leds.size()] - leds[at - 1]), 1);
             QCOMPARE(*std::min_element(leds.begin(), leds.end()), 0);
             QCOMPARE(*std::max_element(leds.begin(), leds.end()), LedSequence::LedCount - 1);
         }},
    };
    return table;
}

} // namespace

void ExamplesTest::everyExampleIsChecked()
{
    QStringList checked;
    for (const auto& entry : checks())
        checked << entry.first;
    QCOMPARE(QDir(QStringLiteral(STROBIX_EXAMPLES)).entryList(QDir::Files, QDir::Name), checked);
}

void ExamplesTest::example_data()
{
    QTest::addColumn<QString>("name");
    for (const auto& entry : checks())
        QTest::newRow(qPrintable(entry.first)) << entry.first;
}

void ExamplesTest::example()
{
    QFETCH(QString, name);
    // The name says what it is, in the words a file manager shows.
    QVERIFY(QRegularExpression(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*\\.dat$"))
                .match(name)
                .hasMatch());
    const QString path = QDir(QStringLiteral(STROBIX_EXAMPLES)).filePath(name);
    const SequenceFileReader::Result read = SequenceFileReader::read(path);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(SequenceFileWriter::encode(*read.file), file.readAll());

    const Loop loop{*read.file};
    // The test plays at the device's pace, and nothing lies beyond the loop.
    QCOMPARE(loop.file.pcSpeed, loop.file.picSpeed);
    for (int event = loop.events(); event < SequenceFile::EventCount; ++event)
        QCOMPARE(loop.file.events[std::size_t(event)], 0);
    checks().at(name)(loop);

    // The manual's gallery opens it in the browser edition (beside the manual on the web site).
    QFile manual(QStringLiteral(STROBIX_MANUAL));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString link = SequenceLink::link(*read.file, QStringLiteral("../index.html"));
    QVERIFY2(QString::fromUtf8(manual.readAll())
                 .contains(QStringLiteral("href=\"") + link + QLatin1Char('"')),
             qPrintable(link));
}

QTEST_GUILESS_MAIN(ExamplesTest)
#include "tst_examples.moc"
