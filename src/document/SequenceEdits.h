// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "SequenceDocument.h"

#include <QUndoCommand>

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

// The undoable edits of a sequence, one class per kind. Each is pushed with its
// change still to be made (QUndoStack::push runs redo), except where noted.

// Cells switched on or off: a click, a row operation, or a whole paint stroke.
// The writes of one stroke merge into a single step.
class PaintCellsCommand : public QUndoCommand {
public:
    // Four bytes a cell: a long history of whole-grid edits stays small.
    struct Change {
        std::uint8_t led;
        std::uint8_t event;
        std::uint8_t before;
        std::uint8_t after;
    };
    static constexpr int StrokeId = 1;

    // stroke: the serial of the stroke the change belongs to; 0 for a change
    // that stands alone.
    PaintCellsCommand(LedSequence& sequence, std::vector<Change> changes, const QString& text,
                      int stroke = 0);

    int id() const override { return m_stroke != 0 ? StrokeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;
    void redo() override;
    void undo() override;

private:
    LedSequence& m_sequence;
    std::vector<Change> m_changes;
    int m_stroke;
};

// One colour choice, given to one or more LEDs at once.
class LedColorCommand : public QUndoCommand {
public:
    LedColorCommand(LedSequence& sequence, std::bitset<LedSequence::LedCount> leds, int colorIndex);
    void redo() override;
    void undo() override;

private:
    LedSequence& m_sequence;
    std::bitset<LedSequence::LedCount> m_leds;
    std::array<int, LedSequence::LedCount> m_before{};
    int m_after;
};

class ServoModeCommand : public QUndoCommand {
public:
    ServoModeCommand(LedSequence& sequence, int led, int mode);
    void redo() override;
    void undo() override;

private:
    LedSequence& m_sequence;
    int m_led;
    int m_before;
    int m_after;
};

// The end marker moved to another event.
class LastEventCommand : public QUndoCommand {
public:
    LastEventCommand(LedSequence& sequence, int event);
    void redo() override;
    void undo() override;

private:
    LedSequence& m_sequence;
    int m_before;
    int m_after;
};

// New/Clear, Open and Merge: the whole sequence and its file identity before
// and after. It is pushed once the change is made, the way the command itself
// makes it; undo and redo then bring back either state.
class ReplaceSequenceCommand : public QUndoCommand {
public:
    using Whole = SequenceDocument::Whole;

    ReplaceSequenceCommand(SequenceDocument& document, Whole before, Whole after,
                           const QString& text);

    void redo() override;
    void undo() override;

private:
    SequenceDocument& m_document;
    Whole m_before;
    Whole m_after;
    bool m_done = false;
};
