// SPDX-License-Identifier: MIT
#include "StepClock.h"

StepClock::~StepClock() = default;
