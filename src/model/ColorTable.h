// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

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
    const char* name;      // English; shownName() gives it in the user's language
    const char* valueText; // "&H..." form, blue-green-red
    std::uint32_t bgr;
};

constexpr std::array<Entry, Count> Entries{{
    {QT_TRANSLATE_NOOP("ColorTable", "Black"), "&H0", 0x000000},
    {QT_TRANSLATE_NOOP("ColorTable", "Red"), "&HFF", 0x0000FF},
    {QT_TRANSLATE_NOOP("ColorTable", "Green"), "&HFF00", 0x00FF00},
    {QT_TRANSLATE_NOOP("ColorTable", "Yellow"), "&HFFFF", 0x00FFFF},
    {QT_TRANSLATE_NOOP("ColorTable", "Blue"), "&HFF0000", 0xFF0000},
    {QT_TRANSLATE_NOOP("ColorTable", "Magenta"), "&HFF00FF", 0xFF00FF},
    {QT_TRANSLATE_NOOP("ColorTable", "Cyan"), "&HFFFF00", 0xFFFF00},
    {QT_TRANSLATE_NOOP("ColorTable", "White"), "&HFFFFFF", 0xFFFFFF},
}};

constexpr bool isValid(int index)
{
    return index >= 0 && index < Count;
}

// The English name, as reports and files of other tools use it.
QString colorName(int index);
// The name in the user's language, for the window.
QString shownName(int index);
std::uint32_t colorValue(int index);

} // namespace ColorTable
