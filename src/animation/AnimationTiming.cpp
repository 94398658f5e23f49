// SPDX-License-Identifier: MIT
#include "AnimationTiming.h"

#include <algorithm>

namespace AnimationTiming {

std::vector<int> delaysCs(const std::vector<int>& durationsMs)
{
    std::vector<int> delays;
    delays.reserve(durationsMs.size());
    long long trueEndMs = 0;
    long long shownEndCs = 0;
    for (int duration : durationsMs) {
        trueEndMs += duration;
        const long long nearestEndCs = (trueEndMs + 5) / 10;
        const int delay = int(std::max<long long>(ShortestDelayCs, nearestEndCs - shownEndCs));
        delays.push_back(delay);
        shownEndCs += delay;
    }
    return delays;
}

} // namespace AnimationTiming
