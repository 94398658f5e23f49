// SPDX-License-Identifier: MIT
#include "Zoom.h"

#include <algorithm>
#include <cstdlib>

Zoom Zoom::nearestStep(int percent)
{
    const auto nearest = std::min_element(Steps.begin(), Steps.end(), [percent](int a, int b) {
        return std::abs(a - percent) < std::abs(b - percent);
    });
    return Zoom(*nearest);
}

Zoom Zoom::nextStep(int direction) const
{
    const auto at = std::find(Steps.begin(), Steps.end(), m_percent);
    const auto index = std::distance(Steps.begin(), at) + (direction > 0 ? 1 : -1);
    if (index < 0 || index >= static_cast<long>(Steps.size()))
        return *this;
    return Zoom(Steps[static_cast<std::size_t>(index)]);
}
