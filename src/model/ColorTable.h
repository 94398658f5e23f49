// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The eight display colours an LED can take. Values are kept in the device
// tool's historical blue-green-red order (0xBBGGRR, red in the lowest byte)
// because that is how they are documented and shown ("&HFF0000" is blue).
namespace ColorTable {

constexpr int Count = 8;
constexpr int White = 7;
constexpr int Black = 0;

struct Entry {
    const char* name;
    const char* valueText; // "&H..." form, blue-green-red
    std::uint32_t bgr;
};

constexpr std::array<Entry, Count> Entries{{
    {"Black", "&H0", 0x000000},
    {"Red", "&HFF", 0x0000FF},
    {"Green", "&HFF00", 0x00FF00},
    {"Yellow", "&HFFFF", 0x00FFFF},
    {"Blue", "&HFF0000", 0xFF0000},
    {"Magenta", "&HFF00FF", 0xFF00FF},
    {"Cyan", "&HFFFF00", 0xFFFF00},
    {"White", "&HFFFFFF", 0xFFFFFF},
}};

constexpr bool isValid(int index)
{
    return index >= 0 && index < Count;
}

QString colorName(int index);
std::uint32_t colorValue(int index);

} // namespace ColorTable
