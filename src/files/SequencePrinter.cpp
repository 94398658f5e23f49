// SPDX-License-Identifier: MIT
#include "SequencePrinter.h"

#include "LedSequence.h"
#include "ProgramSettings.h"

namespace SequencePrinter {

namespace {

const QString RowIndent = QStringLiteral("        "); // as wide as "LED#1   "

QString ledName(int led)
{
    return QStringLiteral("LED#%1").arg(led + 1);
}

QString row(const LedSequence& sequence, int led)
{
    QString cells;
    for (int event = 0; event < LedSequence::EventCount; ++event)
        cells += sequence.cell(led, event) ? QLatin1Char('#') : QLatin1Char('.');
    return ledName(led).leftJustified(RowIndent.size()) + cells + QLatin1Char('\n');
}

// Events are counted from 1 here, as the window's time axis counts them.
QString lastEventMark(int lastEvent)
{
    return RowIndent + QString(lastEvent, QLatin1Char(' '))
           + QStringLiteral("^ last event (%1)\n").arg(lastEvent + 1);
}

} // namespace

QString ruler()
{
    QString tens = RowIndent;
    QString units = RowIndent;
    for (int number = 1; number <= LedSequence::EventCount; ++number) {
        tens += number % 10 == 0 ? QString::number(number / 10) : QStringLiteral(" ");
        units += QString::number(number % 10);
    }
    while (tens.endsWith(QLatin1Char(' ')))
        tens.chop(1);
    return tens + QLatin1Char('\n') + units + QLatin1Char('\n');
}

QString text(const LedSequence& sequence, const ProgramSettings& settings)
{
    QString out = ruler();
    for (int led = 0; led < LedSequence::LedCount; ++led)
        out += row(sequence, led);
    out += lastEventMark(sequence.lastEvent()) + QLatin1Char('\n');
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        const int mode = sequence.servoMode(led);
        out += QStringLiteral("%1colour %2servo mode %3 %4\n")
                   .arg(ledName(led).leftJustified(RowIndent.size()),
                        LedSequence::colorName(sequence.ledColor(led)).leftJustified(9))
                   .arg(mode, 2)
                   .arg(ServoControl::entryText(mode));
    }
    out += QStringLiteral("\nSequencer delay (PICSpeed): %1 ms\n").arg(settings.picSpeed());
    out += QStringLiteral("LED test speed (PCSpeed): %1 ms\n").arg(settings.pcSpeed());
    return out;
}

} // namespace SequencePrinter
