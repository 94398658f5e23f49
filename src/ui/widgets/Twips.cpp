// SPDX-License-Identifier: MIT
#include "Twips.h"

#include <algorithm>
#include <cstdlib>

namespace Twips {

namespace {
int g_zoom = 100;
}

int zoomPercent()
{
    return g_zoom;
}

bool setZoomPercent(int percent)
{
    const auto nearest =
        std::min_element(ZoomSteps.begin(), ZoomSteps.end(), [percent](int a, int b) {
            return std::abs(a - percent) < std::abs(b - percent);
        });
    if (*nearest == g_zoom)
        return false;
    g_zoom = *nearest;
    return true;
}

int nextZoomStep(int direction)
{
    const auto at = std::find(ZoomSteps.begin(), ZoomSteps.end(), g_zoom);
    const auto index = std::distance(ZoomSteps.begin(), at) + (direction > 0 ? 1 : -1);
    if (index < 0 || index >= static_cast<long>(ZoomSteps.size()))
        return g_zoom;
    return ZoomSteps[static_cast<std::size_t>(index)];
}

} // namespace Twips
