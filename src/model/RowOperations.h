// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

// The whole-row operations offered by each row's option button, numbered as
// the entries of its pop-up list ("Clear All" first, "Skip 3..." last).
enum class RowOperation {
    ClearAll,
    MarkAll,
    ToggleAll,
    CopyFrom,
    CopyTo,
    Skip1,
    Skip2,
    Skip3,
};

namespace RowOperationList {

// The operation of a list entry; none for the empty entry, "Cancel" or no entry.
constexpr std::optional<RowOperation> fromEntry(int entry)
{
    if (entry < static_cast<int>(RowOperation::ClearAll)
        || entry > static_cast<int>(RowOperation::Skip3))
        return std::nullopt;
    return static_cast<RowOperation>(entry);
}

// Copies work with a second row that the user picks from another list.
constexpr bool needsOtherRow(RowOperation operation)
{
    return operation == RowOperation::CopyFrom || operation == RowOperation::CopyTo;
}

} // namespace RowOperationList

class LedSequence;

// Applies a whole-row operation to one LED's row of cells.
//
// The operations are bounded by the last event e of the sequence, read by the
// caller when the operation starts: Clear All writes the whole row; Mark All,
// Toggle All and the copies write cells 0..e; the Skip patterns lay groups of
// one lit cell and n dark cells from event 0 on. Skip 1 writes a group whenever
// its lit cell lies at or before e (so its dark cell may be e + 1); Skip 2 and
// Skip 3 write only groups that end at or before e. Cells past the written ones
// keep their state, and no index outside the grid is ever written.
namespace RowOperations {

struct CellWrite {
    int led;
    int event;
    int value;

    friend bool operator==(const CellWrite& a, const CellWrite& b)
    {
        return a.led == b.led && a.event == b.event && a.value == b.value;
    }
};

// The writes an operation makes, in the order it makes them: increasing event,
// the lit cell of a Skip group before its dark cells. otherRow is the row a copy
// reads from (CopyFrom) or writes to (CopyTo); a copy with no valid other row,
// or with the row itself, writes nothing. A lastEvent outside 0..49 is taken
// as the nearest valid event.
std::vector<CellWrite> plan(const LedSequence& sequence, int row, RowOperation operation,
                            int lastEvent, int otherRow = -1);

// Makes the planned writes through LedSequence::setCell, so every written
// event's value text follows.
void apply(LedSequence& sequence, int row, RowOperation operation, int lastEvent,
           int otherRow = -1);

} // namespace RowOperations
