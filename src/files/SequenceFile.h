// SPDX-License-Identifier: MIT
#pragma once

#include "ColorTable.h"
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "ServoControl.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

// The content of one sequence data file: 65 values in a fixed order (the 50
// event values, eight colour entries, the last event, four servo-control
// choices, the sequencer speed and the test speed). Every value held here is in
// the range the program can use; the reader rejects files that are not.
struct SequenceFile {
    // The file holds exactly what the sequence holds.
    static constexpr int EventCount = LedSequence::EventCount;
    static constexpr int LedCount = LedSequence::LedCount;
    static constexpr int SpareColorCount = LedSequence::SpareColorCount;
    static constexpr int ValueCount = 65;

    // Positions (0-based) of the groups of values in a file.
    static constexpr int FirstColor = EventCount;                            // 50
    static constexpr int FirstSpareColor = FirstColor + LedCount;            // 54
    static constexpr int LastEventIndex = FirstSpareColor + SpareColorCount; // 58
    static constexpr int FirstServoMode = LastEventIndex + 1;                // 59
    static constexpr int PicSpeedIndex = FirstServoMode + LedCount;          // 63
    static constexpr int PcSpeedIndex = PicSpeedIndex + 1;                   // 64
    static_assert(ValueCount == PcSpeedIndex + 1, "the test speed is the last value");

    using Values = std::array<int, ValueCount>;

    struct Range {
        int min;
        int max;
        bool contains(qint64 value) const { return value >= min && value <= max; }
    };
    // What a data file may hold at a 0-based position; the reader refuses
    // anything else. A servo-control choice of -1 means "none chosen" and is
    // read as NONE.
    static Range valueRange(int position);
    static constexpr int NoServoChoice = -1;

    // An event value outside 0..15 is kept as read; it lights no cell.
    std::array<int, EventCount> events{};
    std::array<int, LedCount> ledColors{ColorTable::White, ColorTable::White, ColorTable::White,
                                        ColorTable::White};
    std::array<std::int16_t, SpareColorCount> spareColors{};
    int lastEvent = LedSequence::DefaultLastEvent;
    std::array<int, LedCount> servoModes{ServoControl::None, ServoControl::None, ServoControl::None,
                                         ServoControl::None};
    int picSpeed = ProgramSettings::DefaultPicSpeed;
    int pcSpeed = ProgramSettings::DefaultPcSpeed;

    // What Save writes: the sequence as it stands and the two speeds.
    static SequenceFile capture(const LedSequence& sequence, const ProgramSettings& settings);

    // The 65 values in file order, and back.
    Values values() const;
    static SequenceFile fromValues(const Values& values);

    // Whether an event value lights an LED's cell: the bits of 0..15; any other
    // value lights nothing.
    static bool lightsLed(int eventValue, int led);

    // Open: the file's cells replace the sequence's; colours, spare colours, last
    // event, servo choices and speeds are all taken from the file.
    void openInto(LedSequence& sequence, ProgramSettings& settings) const;
    // Open without the speeds: the sequence becomes exactly what the file holds.
    void replaceSequence(LedSequence& sequence) const;
    // Merge: the file's lit cells are added (none turned off); the last event,
    // servo choices and speeds are taken from the file; colours are kept.
    void mergeInto(LedSequence& sequence, ProgramSettings& settings) const;

    friend bool operator==(const SequenceFile& a, const SequenceFile& b)
    {
        return a.values() == b.values();
    }
    friend bool operator!=(const SequenceFile& a, const SequenceFile& b) { return !(a == b); }

private:
    void applyEndAndServoModes(LedSequence& sequence) const;
};
