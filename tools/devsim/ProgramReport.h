// SPDX-License-Identifier: MIT
#pragma once

#include "StreamAnalysis.h"

#include <QString>

#include <cstdint>
#include <vector>

// Human-readable text of what the device received: the 50 events as a grid of
// the four LEDs, the servo modes, PICSpeed and LastEvent, and the timing.
namespace ProgramReport {

QString program(const std::vector<std::uint8_t>& values);
QString timing(const StreamAnalysis::Timing& timing);

} // namespace ProgramReport
