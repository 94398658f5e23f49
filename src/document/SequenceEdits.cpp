// SPDX-License-Identifier: MIT
#include "SequenceEdits.h"

#include <QCoreApplication>

#include <algorithm>

PaintCellsCommand::PaintCellsCommand(LedSequence& sequence, std::vector<Change> changes,
                                     const QString& text, int stroke)
    : QUndoCommand(text)
    , m_sequence(sequence)
    , m_changes(std::move(changes))
    , m_stroke(stroke)
{
}

bool PaintCellsCommand::mergeWith(const QUndoCommand* other)
{
    const auto* later = static_cast<const PaintCellsCommand*>(other);
    if (later->m_stroke != m_stroke)
        return false;
    for (const Change& change : later->m_changes) {
        const auto same = std::find_if(m_changes.begin(), m_changes.end(), [&](const Change& c) {
            return c.led == change.led && c.event == change.event;
        });
        if (same != m_changes.end())
            same->after = change.after; // the cell's first "before" is what undo brings back
        else
            m_changes.push_back(change);
    }
    setObsolete(std::all_of(m_changes.begin(), m_changes.end(),
                            [](const Change& c) { return c.before == c.after; }));
    return true;
}

void PaintCellsCommand::redo()
{
    for (const Change& change : m_changes)
        m_sequence.setCell(change.led, change.event, change.after);
}

void PaintCellsCommand::undo()
{
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change)
        m_sequence.setCell(change->led, change->event, change->before);
}

LedColorCommand::LedColorCommand(LedSequence& sequence, std::bitset<LedSequence::LedCount> leds,
                                 int colorIndex)
    : QUndoCommand(QCoreApplication::translate("SequenceEdits", "Colour"))
    , m_sequence(sequence)
    , m_leds(leds)
    , m_after(colorIndex)
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        m_before[led] = sequence.ledColor(led);
}

void LedColorCommand::redo()
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        if (m_leds.test(led))
            m_sequence.setLedColor(led, m_after);
}

void LedColorCommand::undo()
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        if (m_leds.test(led))
            m_sequence.setLedColor(led, m_before[led]);
}

ServoModeCommand::ServoModeCommand(LedSequence& sequence, int led, int mode)
    : QUndoCommand(QCoreApplication::translate("SequenceEdits", "Servo control"))
    , m_sequence(sequence)
    , m_led(led)
    , m_before(sequence.servoMode(led))
    , m_after(mode)
{
}

void ServoModeCommand::redo()
{
    m_sequence.setServoMode(m_led, m_after);
}

void ServoModeCommand::undo()
{
    m_sequence.setServoMode(m_led, m_before);
}

LastEventCommand::LastEventCommand(LedSequence& sequence, int event)
    : QUndoCommand(QCoreApplication::translate("SequenceEdits", "End marker"))
    , m_sequence(sequence)
    , m_before(sequence.lastEvent())
    , m_after(event)
{
}

void LastEventCommand::redo()
{
    m_sequence.setLastEvent(m_after);
}

void LastEventCommand::undo()
{
    m_sequence.setLastEvent(m_before);
}

ReplaceSequenceCommand::ReplaceSequenceCommand(SequenceDocument& document, Whole before,
                                               Whole after, const QString& text)
    : QUndoCommand(text)
    , m_document(document)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void ReplaceSequenceCommand::redo()
{
    if (m_done) // the command already made this change
        m_document.restore(m_after);
    m_done = true;
}

void ReplaceSequenceCommand::undo()
{
    m_document.restore(m_before);
}
