// SPDX-License-Identifier: MIT
#pragma once

#include "HexText.h"

#include <QByteArray>
#include <QString>

// Whole download streams written out by hand, shared by the stream's own test
// and the end-to-end download test.
namespace DownloadExamples {

// A new sequence: nothing lit, no servo control, PICSpeed 30, LastEvent 49.
inline QByteArray startUpStream()
{
    using HexText::repeat;
    return HexText::bytes(QStringLiteral("2A 0D 0A ") + repeat(QStringLiteral("00 0D 0A"), 50)
                          + QLatin1Char(' ') + repeat(QStringLiteral("0F 0D 0A"), 4)
                          + QStringLiteral(" 1E 0D 0A 31 0D 0A"));
}

// LEDs 1 and 3 lit at event 0, LED 2 at event 1, LED 1 servo mode 0,
// PICSpeed 30, LastEvent 1.
inline QByteArray workedExampleStream()
{
    using HexText::repeat;
    return HexText::bytes(QStringLiteral("2A 0D 0A 05 0D 0A 02 0D 0A ")
                          + repeat(QStringLiteral("00 0D 0A"), 48) + QStringLiteral(" 00 0D 0A ")
                          + repeat(QStringLiteral("0F 0D 0A"), 3)
                          + QStringLiteral(" 1E 0D 0A 01 0D 0A"));
}

} // namespace DownloadExamples
