// SPDX-License-Identifier: MIT
#include "SequenceFile.h"

#include "LedSequence.h"
#include "ProgramSettings.h"

#include <limits>

SequenceFile::Range SequenceFile::valueRange(int position)
{
    constexpr int Int16Min = std::numeric_limits<std::int16_t>::min();
    constexpr int Int16Max = std::numeric_limits<std::int16_t>::max();
    if (position < FirstColor)
        return {Int16Min, Int16Max};
    if (position < FirstSpareColor)
        return {0, ColorTable::Count - 1};
    if (position < LastEventIndex)
        return {Int16Min, Int16Max};
    if (position == LastEventIndex)
        return {0, EventCount - 1};
    if (position < PicSpeedIndex)
        return {NoServoChoice, ServoControl::Count - 1};
    return {ProgramSettings::MinSpeed, ProgramSettings::MaxSpeed};
}

SequenceFile SequenceFile::capture(const LedSequence& sequence, const ProgramSettings& settings)
{
    SequenceFile file;
    for (int event = 0; event < EventCount; ++event)
        file.events[event] = sequence.eventValue(event);
    for (int led = 0; led < LedCount; ++led) {
        file.ledColors[led] = sequence.ledColor(led);
        file.servoModes[led] = sequence.servoMode(led);
    }
    for (int index = 0; index < SpareColorCount; ++index)
        file.spareColors[index] = sequence.spareColor(index);
    file.lastEvent = sequence.lastEvent();
    file.picSpeed = settings.picSpeed();
    file.pcSpeed = settings.pcSpeed();
    return file;
}

SequenceFile::Values SequenceFile::values() const
{
    Values values{};
    for (int event = 0; event < EventCount; ++event)
        values[event] = events[event];
    for (int led = 0; led < LedCount; ++led) {
        values[FirstColor + led] = ledColors[led];
        values[FirstServoMode + led] = servoModes[led];
    }
    for (int index = 0; index < SpareColorCount; ++index)
        values[FirstSpareColor + index] = spareColors[index];
    values[LastEventIndex] = lastEvent;
    values[PicSpeedIndex] = picSpeed;
    values[PcSpeedIndex] = pcSpeed;
    return values;
}

SequenceFile SequenceFile::fromValues(const Values& values)
{
    SequenceFile file;
    for (int event = 0; event < EventCount; ++event)
        file.events[event] = values[event];
    for (int led = 0; led < LedCount; ++led) {
        file.ledColors[led] = values[FirstColor + led];
        file.servoModes[led] = values[FirstServoMode + led];
    }
    for (int index = 0; index < SpareColorCount; ++index)
        file.spareColors[index] = static_cast<std::int16_t>(values[FirstSpareColor + index]);
    file.lastEvent = values[LastEventIndex];
    file.picSpeed = values[PicSpeedIndex];
    file.pcSpeed = values[PcSpeedIndex];
    return file;
}

bool SequenceFile::lightsLed(int eventValue, int led)
{
    if (eventValue < 0 || eventValue > 15 || led < 0 || led >= LedCount)
        return false;
    return (eventValue >> led) & 1;
}

void SequenceFile::openInto(LedSequence& sequence, ProgramSettings& settings) const
{
    replaceSequence(sequence);
    settings.loadSpeeds(picSpeed, pcSpeed);
}

void SequenceFile::replaceSequence(LedSequence& sequence) const
{
    // Each cell is set to exactly what the file says: unlit cells are cleared,
    // lit ones lit, and every event's value text follows through setCell.
    for (int event = 0; event < EventCount; ++event)
        for (int led = 0; led < LedCount; ++led)
            sequence.setCell(led, event, lightsLed(events[event], led) ? 1 : 0);
    for (int led = 0; led < LedCount; ++led)
        sequence.setLedColor(led, ledColors[led]);
    for (int index = 0; index < SpareColorCount; ++index)
        sequence.setSpareColor(index, spareColors[index]);
    applyEndAndServoModes(sequence);
}

void SequenceFile::mergeInto(LedSequence& sequence, ProgramSettings& settings) const
{
    for (int event = 0; event < EventCount; ++event)
        for (int led = 0; led < LedCount; ++led)
            if (lightsLed(events[event], led))
                sequence.setCell(led, event, 1);
    applyEndAndServoModes(sequence);
    settings.loadSpeeds(picSpeed, pcSpeed);
}

void SequenceFile::applyEndAndServoModes(LedSequence& sequence) const
{
    sequence.setLastEvent(lastEvent);
    for (int led = 0; led < LedCount; ++led)
        sequence.setServoMode(led, servoModes[led]);
}
