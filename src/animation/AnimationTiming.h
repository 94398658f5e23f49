// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// Frame delays of an animated GIF picture. GIF counts in hundredths of a
// second, and viewers show a delay under two hundredths as a tenth of a
// second, so a faithful picture keeps every delay at two or more.
namespace AnimationTiming {

constexpr int ShortestDelayCs = 2;
constexpr int ShortestFaithfulMs = ShortestDelayCs * 10;

// One delay per frame lasting durationsMs. Each frame ends on the hundredth
// nearest its true end, the rounding error carried forward, so the loop is
// never off by more than 5 ms; only a frame shorter than ShortestFaithfulMs
// is stretched, and the loop then runs long.
std::vector<int> delaysCs(const std::vector<int>& durationsMs);

} // namespace AnimationTiming
