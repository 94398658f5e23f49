// SPDX-License-Identifier: MIT
#pragma once

#include "RowOperations.h"

#include <vector>

class LedSequence;

// The rules of painting cells with a stroke, shared by the mouse (a drag) and
// the keyboard (Shift+arrows). A stroke starts in one column; every cell it
// crosses takes the value that its own row holds in that start column, read
// as the sequence stands when the cell is crossed.
namespace PaintStroke {

// The value a stroke that began in startColumn paints onto a cell of row.
int paintValue(const LedSequence& sequence, int row, int startColumn);

// The write that crossing (row, column) makes; the cell may already hold it.
RowOperations::CellWrite crossing(const LedSequence& sequence, int row, int column,
                                  int startColumn);

// Ending a mouse stroke fills the release row from the column after the start
// up to the release column, so a quick stroke whose moves skipped cells leaves
// no gaps. Nothing when the release column is not to the right of the start.
std::vector<RowOperations::CellWrite> releaseFill(const LedSequence& sequence, int row,
                                                  int startColumn, int releaseColumn);

} // namespace PaintStroke
