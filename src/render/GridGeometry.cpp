// SPDX-License-Identifier: MIT
#include "GridGeometry.h"

namespace GridGeometry {

Hit hitTest(Zoom zoom, QPoint position, int rows, int columns)
{
    if (position.x() < 0 || position.y() < 0)
        return {};
    const int column = position.x() / columnPitchPx(zoom);
    const int row = position.y() / rowPitchPx(zoom);
    if (row >= rows || column >= columns)
        return {};
    return {row, column};
}

} // namespace GridGeometry
