// SPDX-License-Identifier: MIT
#pragma once

// The simulated servo stick and how it gates the lamps. The stick stands for
// an R/C servo pulse of 1000..1990 us in steps of 10; its range is cut into four
// zones of 25 positions, and each LED's servo-control choice is a 4-bit mask of
// the zones in which the LED follows its cells.
namespace ServoZone {

constexpr int MinStick = 100;
constexpr int MaxStick = 199; // 200 would fall into a fifth zone no mask contains
constexpr int StartStick = 150;
constexpr int ZoneWidth = 25;

constexpr bool isStickValue(int value)
{
    return value >= MinStick && value <= MaxStick;
}

// The readout shown next to the stick.
constexpr int pulseWidth(int stickValue)
{
    return stickValue * 10;
}

constexpr int zone(int stickValue)
{
    return (stickValue - MinStick) / ZoneWidth;
}

// 1, 2, 4 or 8: the bit of the stick's zone in a servo-control mask.
constexpr int zoneBit(int stickValue)
{
    return 1 << zone(stickValue);
}

// A lamp is lit only when its cell is on and its LED follows its cells in the
// stick's current zone ("OFF" = 0 never does, "NONE" = 15 always does).
constexpr bool lampLit(int cell, int zoneBit, int servoMode)
{
    return cell == 1 && (zoneBit & servoMode) > 0;
}

} // namespace ServoZone
