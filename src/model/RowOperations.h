// SPDX-License-Identifier: MIT
#pragma once

#include "RowOperation.h"

#include <vector>

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
