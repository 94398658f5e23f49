// SPDX-License-Identifier: MIT
// Writes the gallery's example sequences with the program's own writer, so
// the files hold exactly the bytes a Save would give them.
//
//   strobix-examples <examples folder>
//
// Each pattern is drawn as four rows of '#' (lit) and '.' (dark); the longest
// row sets the last event. Both speeds are the same, so the on-screen test
// plays at the device's pace.

#include "SequenceFileWriter.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace {

enum Color { Red = 1, Green = 2, Yellow = 3, Blue = 4, White = 7 };
constexpr int None = ServoControl::None;
constexpr int ZoneThreeOnly = 8; // "|- - - *|": the stick's top quarter

struct Example {
    const char* file;
    int stepMs;
    std::array<const char*, LedSequence::LedCount> rows;
    std::array<int, LedSequence::LedCount> colors{White, White, White, White};
    std::array<int, LedSequence::LedCount> servoModes{None, None, None, None};
};

const Example Examples[] = {
    // 60 flashes a minute, one 50 ms flash.
    {"anticollision-strobe-single-flash.dat", 50, {"#..................."}},
    // 50 double flashes a minute: 50 ms, 50 ms dark, 50 ms, then 1050 ms dark.
    {"anticollision-strobe-double-flash.dat", 50, {"#.#....................."}},
    // 60 flashes a minute, lit a quarter of the turn like a rotating beacon.
    {"red-beacon.dat", 50, {"#####..............."}, {Red, White, White, White}},
    {"nav-lights-with-strobe.dat",
     50,
     {"####################", "####################", "####################",
      "#..................."},
     {Red, Green, White, White}},
    // The landing light is lit only with the stick in its top quarter.
    {"landing-light-on-stick.dat",
     50,
     {"####################", "####################", "####################",
      "#..................."},
     {White, Red, Green, White},
     {ZoneThreeOnly, None, None, None}},
    {"helicopter-beacon-strobe-nav.dat",
     50,
     {"####................", "..........#.........", "####################",
      "####################"},
     {Red, White, Red, Green}},
    // Beacon 80 a minute; wing strobes' double flash 40 a minute.
    {"airliner-beacon-double-strobe-nav.dat",
     50,
     {"........###............###....", "#.#...........................",
      "##############################", "##############################"},
     {Red, White, Red, Green}},
    {"emergency-wigwag-red-blue.dat",
     50,
     {"#####.....", ".....#####", "#####.....", ".....#####"},
     {Red, Blue, White, White}},
    {"emergency-quad-flash-red-blue.dat",
     50,
     {"#.#.#.#.........", "........#.#.#.#.", "#.#.#.#.........", "........#.#.#.#."},
     {Red, Blue, Red, Blue}},
    // Four lamps round a dome, one turn in 500 ms: 120 flashes a minute.
    {"construction-amber-beacon.dat",
     25,
     {"#####...............", ".....#####..........", "..........#####.....",
      "...............#####"},
     {Yellow, Yellow, Yellow, Yellow}},
    // Power-driven vessel under way: port, starboard, masthead, stern.
    {"ship-under-way-lights.dat", 100, {"#", "#", "#", "#"}, {Red, Green, White, White}},
    // Fl(2) W 5s: two 0.3 s flashes 0.7 s apart, every 5 seconds.
    {"lighthouse-group-flash-2-every-5s.dat",
     100,
     {"###.......###....................................."}},
    {"knight-rider-chaser.dat",
     100,
     {"#.....", ".#...#", "..#.#.", "...#.."},
     {Red, Red, Red, Red}},
};

SequenceFile fileOf(const Example& example)
{
    SequenceFile file;
    int length = 0;
    for (const char* row : example.rows)
        length = std::max(length, row ? int(std::strlen(row)) : 0);
    file.lastEvent = length - 1;
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        const char* row = example.rows[led];
        for (int event = 0; row && row[event]; ++event)
            file.events[event] |= row[event] == '#' ? 1 << led : 0;
    }
    file.ledColors = example.colors;
    file.servoModes = example.servoModes;
    file.picSpeed = example.stepMs;
    file.pcSpeed = example.stepMs;
    return file;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <examples folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Example& example : Examples) {
        SequenceFileWriter writer;
        const QString path = folder.filePath(QLatin1String(example.file));
        const SequenceFileWriter::Result result = writer.save(path, fileOf(example));
        if (!result.ok)
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                         qPrintable(result.error));
        ok = ok && result.ok;
    }
    return ok ? 0 : 1;
}
