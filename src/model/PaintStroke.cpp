// SPDX-License-Identifier: MIT
#include "PaintStroke.h"

#include "LedSequence.h"

namespace PaintStroke {

int paintValue(const LedSequence& sequence, int row, int startColumn)
{
    return sequence.cell(row, startColumn);
}

RowOperations::CellWrite crossing(const LedSequence& sequence, int row, int column, int startColumn)
{
    return {row, column, paintValue(sequence, row, startColumn)};
}

std::vector<RowOperations::CellWrite> releaseFill(const LedSequence& sequence, int row,
                                                  int startColumn, int releaseColumn)
{
    std::vector<RowOperations::CellWrite> writes;
    if (!LedSequence::isLed(row) || !LedSequence::isEvent(startColumn))
        return writes;
    const int value = paintValue(sequence, row, startColumn);
    for (int column = startColumn + 1; column <= releaseColumn && LedSequence::isEvent(column);
         ++column)
        writes.push_back({row, column, value});
    return writes;
}

} // namespace PaintStroke
