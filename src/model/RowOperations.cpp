// SPDX-License-Identifier: MIT
#include "RowOperations.h"

#include "LedSequence.h"

#include <algorithm>

namespace RowOperations {

namespace {

constexpr int LastIndex = LedSequence::EventCount - 1;

void appendSkipPattern(std::vector<CellWrite>& writes, int row, int darkCells, int lastEvent)
{
    // Skip 1 still writes a group whose lit cell is the last event (its dark
    // cell is then the one after it); longer groups must fit whole.
    const int lastGroupStart = darkCells == 1 ? lastEvent : lastEvent - darkCells;
    for (int start = 0; start <= lastGroupStart; start += darkCells + 1) {
        writes.push_back({row, start, 1});
        for (int offset = 1; offset <= darkCells; ++offset) {
            const int event = start + offset;
            if (LedSequence::isEvent(event))
                writes.push_back({row, event, 0});
        }
    }
}

void appendCopy(std::vector<CellWrite>& writes, const LedSequence& sequence, int from, int to,
                int lastEvent)
{
    for (int event = 0; event <= lastEvent; ++event)
        writes.push_back({to, event, sequence.cell(from, event)});
}

bool isOtherRow(int row, int otherRow)
{
    return LedSequence::isLed(otherRow) && otherRow != row;
}

} // namespace

std::vector<CellWrite> plan(const LedSequence& sequence, int row, RowOperation operation,
                            int lastEvent, int otherRow)
{
    std::vector<CellWrite> writes;
    if (!LedSequence::isLed(row))
        return writes;
    const int last = std::clamp(lastEvent, 0, LastIndex);
    writes.reserve(LedSequence::EventCount);

    switch (operation) {
    case RowOperation::ClearAll:
        for (int event = 0; event <= LastIndex; ++event)
            writes.push_back({row, event, 0});
        break;
    case RowOperation::MarkAll:
        for (int event = 0; event <= last; ++event)
            writes.push_back({row, event, 1});
        break;
    case RowOperation::ToggleAll:
        for (int event = 0; event <= last; ++event)
            writes.push_back({row, event, sequence.cell(row, event) == 0 ? 1 : 0});
        break;
    case RowOperation::CopyFrom:
        if (isOtherRow(row, otherRow))
            appendCopy(writes, sequence, otherRow, row, last);
        break;
    case RowOperation::CopyTo:
        if (isOtherRow(row, otherRow))
            appendCopy(writes, sequence, row, otherRow, last);
        break;
    case RowOperation::Skip1:
        appendSkipPattern(writes, row, 1, last);
        break;
    case RowOperation::Skip2:
        appendSkipPattern(writes, row, 2, last);
        break;
    case RowOperation::Skip3:
        appendSkipPattern(writes, row, 3, last);
        break;
    }
    return writes;
}

void apply(LedSequence& sequence, int row, RowOperation operation, int lastEvent, int otherRow)
{
    // Every write reads only cells that no earlier write of the same operation
    // touches, so planning first and writing afterwards gives the same cells as
    // reading and writing one by one.
    for (const CellWrite& write : plan(sequence, row, operation, lastEvent, otherRow))
        sequence.setCell(write.led, write.event, write.value);
}

} // namespace RowOperations
