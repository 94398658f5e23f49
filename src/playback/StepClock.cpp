#include "StepClock.h"

StepClock::~StepClock() = default;
