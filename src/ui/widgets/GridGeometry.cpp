// SPDX-License-Identifier: MIT
#include "GridGeometry.h"

namespace GridGeometry {

Hit hitTest(QPoint position, int rows, int columns)
{
    if (position.x() < 0 || position.y() < 0)
        return {};
    const int column = position.x() / columnPitchPx();
    const int row = position.y() / rowPitchPx();
    if (row >= rows || column >= columns)
        return {};
    return {row, column};
}

} // namespace GridGeometry
