// SPDX-License-Identifier: MIT
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

// The gallery's examples: each is a file the program writes byte for byte,
// and each shows the lighting convention its name promises.
class ExamplesTest : public QObject {
    Q_OBJECT

private slots:
    void everyExampleIsChecked();
    void example_data();
    void example();
};

namespace {

enum Color { Red = 1, Green = 2, Yellow = 3, Blue = 4, White = 7 };
constexpr int TopZoneBit = 8;
constexpr int StartZoneBit = 4; // where the test's stick starts

struct Flash {
    int start;  // event
    int length; // events
};

// One loop of an example, as the test plays it.
struct Loop {
    SequenceFile file;

    int events() const { return file.lastEvent + 1; }
    int loopMs() const { return events() * file.pcSpeed; }
    bool lit(int led, int event) const
    {
        return SequenceFile::lightsLed(file.events[std::size_t(event % events())], led);
    }
    bool steady(int led) const { return flashes(led).empty() && lit(led, 0); }
    double perMinute(std::size_t count) const { return count * 60000.0 / loopMs(); }

    // The runs of lit events, the loop seen as a circle; empty for a steady
    // or dark LED.
    std::vector<Flash> flashes(int led) const
    {
        int firstDark = 0;
        while (firstDark < events() && lit(led, firstDark))
            ++firstDark;
        if (firstDark == events())
            return {};
        std::vector<Flash> found;
        for (int step = 1; step <= events(); ++step) {
            const int event = firstDark + step;
            if (!lit(led, event))
                continue;
            if (!lit(led, event - 1))
                found.push_back({event % events(), 0});
            ++found.back().length;
        }
        return found;
    }
    // The dark events between flashes, shortest first.
    std::vector<int> gaps(int led) const
    {
        const std::vector<Flash> all = flashes(led);
        std::vector<int> found;
        for (std::size_t flash = 0; flash < all.size(); ++flash) {
            const int end = all[flash].start + all[flash].length;
            found.push_back((all[(flash + 1) % all.size()].start - end + events()) % events());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

// Aircraft anti-collision lights flash 40 to 100 times a minute (a double
// flash counting once), each white flash short.
void checkAntiCollision(const Loop& loop, int led, int color, std::size_t flashesPerLoop,
                        std::size_t groupsPerLoop)
{
    QCOMPARE(loop.file.ledColors[std::size_t(led)], color);
    const std::vector<Flash> flashes = loop.flashes(led);
    QCOMPARE(flashes.size(), flashesPerLoop);
    const double rate = loop.perMinute(groupsPerLoop);
    QVERIFY2(rate >= 40 && rate <= 100, qPrintable(QString::number(rate)));
    if (color == White)
        for (const Flash& flash : flashes)
            QVERIFY(flash.length * loop.file.pcSpeed <= 100);
}

void checkDoubleFlash(const Loop& loop, int led)
{
    checkAntiCollision(loop, led, White, 2, 1);
    const std::vector<int> gaps = loop.gaps(led);
    QVERIFY(gaps[0] >= 1 && gaps[0] * loop.file.pcSpeed <= 200);
    QVERIFY(gaps[1] >= 3 * gaps[0]);
}

void checkSteady(const Loop& loop, int led, int color)
{
    QVERIFY(loop.steady(led));
    QCOMPARE(loop.file.ledColors[std::size_t(led)], color);
}

void checkNavigationLights(const Loop& loop, int red, int green)
{
    checkSteady(loop, red, Red);
    checkSteady(loop, green, Green);
}

// Exactly one LED lit at every event; the lit LED at each event.
std::vector<int> singleLitLeds(const Loop& loop)
{
    std::vector<int> leds;
    for (int event = 0; event < loop.events(); ++event) {
        int litLed = -1;
        for (int led = 0; led < LedSequence::LedCount; ++led)
            if (loop.lit(led, event)) {
                if (litLed >= 0)
                    return {};
                litLed = led;
            }
        if (litLed < 0)
            return {};
        leds.push_back(litLed);
    }
    return leds;
}

using Check = std::function<void(const Loop&)>;

const std::map<QString, Check>& checks()
{
    static const std::map<QString, Check> table{
        {"anticollision-strobe-single-flash.dat",
         [](const Loop& loop) { checkAntiCollision(loop, 0, White, 1, 1); }},
        {"anticollision-strobe-double-flash.dat",
         [](const Loop& loop) { checkDoubleFlash(loop, 0); }},
        {"red-beacon.dat",
         [](const Loop& loop) {
             checkAntiCollision(loop, 0, Red, 1, 1);
             // A rotating beacon sweeps past: lit for a good part of its turn.
             QVERIFY(loop.flashes(0)[0].length * 5 >= loop.events());
         }},
        {"nav-lights-with-strobe.dat",
         [](const Loop& loop) {
             checkNavigationLights(loop, 0, 1);
             checkSteady(loop, 2, White);
             checkAntiCollision(loop, 3, White, 1, 1);
         }},
        {"landing-light-on-stick.dat",
         [](const Loop& loop) {
             checkSteady(loop, 0, White);
             const int mode = loop.file.servoModes[0];
             QVERIFY(mode & TopZoneBit);
             QVERIFY(!(mode & StartZoneBit) && !(mode & 1));
             checkNavigationLights(loop, 1, 2);
             for (int led = 1; led < LedSequence::LedCount; ++led)
                 QCOMPARE(loop.file.servoModes[std::size_t(led)], ServoControl::None);
         }},
        {"helicopter-beacon-strobe-nav.dat",
         [](const Loop& loop) {
             checkAntiCollision(loop, 0, Red, 1, 1);
             checkAntiCollision(loop, 1, White, 1, 1);
             checkNavigationLights(loop, 2, 3);
         }},
        {"airliner-beacon-double-strobe-nav.dat",
         [](const Loop& loop) {
             checkAntiCollision(loop, 0, Red, 2, 2);
             checkDoubleFlash(loop, 1);
             checkNavigationLights(loop, 2, 3);
         }},
        {"emergency-wigwag-red-blue.dat",
         [](const Loop& loop) {
             for (int event = 0; event < loop.events(); ++event) {
                 QVERIFY(loop.lit(0, event) != loop.lit(1, event));
                 QCOMPARE(loop.lit(2, event), loop.lit(0, event));
                 QCOMPARE(loop.lit(3, event), loop.lit(1, event));
             }
             QCOMPARE(loop.flashes(0).size(), std::size_t(1));
             QCOMPARE(loop.flashes(0)[0].length * 2, loop.events());
             QCOMPARE(loop.file.ledColors[0], int(Red));
             QCOMPARE(loop.file.ledColors[1], int(Blue));
         }},
        {"emergency-quad-flash-red-blue.dat",
         [](const Loop& loop) {
             for (int led : {0, 1}) {
                 QCOMPARE(loop.flashes(led).size(), std::size_t(4));
                 QVERIFY(loop.flashes(led)[3].start < loop.flashes(1 - led)[0].start
                         || loop.flashes(led)[0].start > loop.flashes(1 - led)[3].start);
             }
             for (int event = 0; event < loop.events(); ++event)
                 QVERIFY(!(loop.lit(0, event) && loop.lit(1, event)));
             QCOMPARE(loop.file.ledColors[0], int(Red));
             QCOMPARE(loop.file.ledColors[1], int(Blue));
         }},
        {"construction-amber-beacon.dat",
         [](const Loop& loop) {
             // One lamp after the other round the dome, once a loop.
             const std::vector<int> leds = singleLitLeds(loop);
             QCOMPARE(int(leds.size()), loop.events());
             int turns = 0;
             for (std::size_t at = 1; at <= leds.size(); ++at) {
                 const int step = (leds[at % leds.size()] - leds[at - 1] + 4) % 4;
                 QVERIFY(step == 0 || step == 1);
                 turns += step;
             }
             QCOMPARE(turns, LedSequence::LedCount);
             QVERIFY(loop.perMinute(1) >= 60 && loop.perMinute(1) <= 240);
             for (int color : loop.file.ledColors)
                 QCOMPARE(color, int(Yellow));
         }},
        {"ship-under-way-lights.dat",
         [](const Loop& loop) {
             checkNavigationLights(loop, 0, 1);
             checkSteady(loop, 2, White);
             checkSteady(loop, 3, White);
         }},
        {"lighthouse-group-flash-2-every-5s.dat",
         [](const Loop& loop) {
             QCOMPARE(loop.loopMs(), 5000);
             QCOMPARE(loop.flashes(0).size(), std::size_t(2));
             QVERIFY(loop.gaps(0)[0] < loop.gaps(0)[1]);
             QCOMPARE(loop.file.ledColors[0], int(White));
         }},
        {"knight-rider-chaser.dat",
         [](const Loop& loop) {
             // Back and forth: each step moves to a neighbour, end to end.
             const std::vector<int> leds = singleLitLeds(loop);
             QCOMPARE(int(leds.size()), loop.events());
             for (std::size_t at = 1; at <= leds.size(); ++at)
                 QCOMPARE(std::abs(leds[at % leds.size()] - leds[at - 1]), 1);
             QCOMPARE(*std::min_element(leds.begin(), leds.end()), 0);
             QCOMPARE(*std::max_element(leds.begin(), leds.end()), LedSequence::LedCount - 1);
         }},
    };
    return table;
}

QDir examplesFolder()
{
    return QDir(QStringLiteral(STROBIX_EXAMPLES));
}

QStringList exampleFiles()
{
    return examplesFolder().entryList(QDir::Files, QDir::Name);
}

} // namespace

void ExamplesTest::everyExampleIsChecked()
{
    QStringList checked;
    for (const auto& [name, check] : checks())
        checked << name;
    QCOMPARE(exampleFiles(), checked);
    QVERIFY(checked.size() >= 12);
}

void ExamplesTest::example_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : exampleFiles())
        QTest::newRow(qPrintable(name)) << name;
}

void ExamplesTest::example()
{
    QFETCH(QString, name);
    // The name says what it is, in the words a file manager shows.
    QVERIFY(QRegularExpression(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*\\.dat$"))
                .match(name)
                .hasMatch());

    const QString path = examplesFolder().filePath(name);
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
    const auto check = checks().find(name);
    QVERIFY(check != checks().end());
    check->second(loop);
}

QTEST_GUILESS_MAIN(ExamplesTest)
#include "tst_examples.moc"
