// SPDX-License-Identifier: MIT
#include "ProgramReport.h"

#include "DownloadStream.h"
#include "SequencePrinter.h"
#include "ServoControl.h"

namespace ProgramReport {

namespace {

constexpr int LedCount = 4;

QString grid(const std::vector<std::uint8_t>& values, int lastEvent)
{
    QString text = SequencePrinter::ruler();
    const int events = std::min<int>(DownloadStream::EventRecords, int(values.size()));
    for (int led = 0; led < LedCount; ++led) {
        text += QStringLiteral("LED#%1   ").arg(led + 1);
        for (int event = 0; event < events; ++event)
            text += (values[event] >> led) & 1 ? QLatin1Char('#') : QLatin1Char('.');
        text += QLatin1Char('\n');
    }
    if (lastEvent >= 0 && lastEvent < DownloadStream::EventRecords)
        text += QString(8 + lastEvent, QLatin1Char(' ')) + QStringLiteral("^ LastEvent\n");
    return text;
}

QString servoLine(const std::vector<std::uint8_t>& values, int led)
{
    const int index = DownloadStream::FirstServoRecord + led;
    if (index >= int(values.size()))
        return {};
    const int mode = values[index];
    const QString name =
        ServoControl::isValid(mode) ? ServoControl::entryText(mode) : QStringLiteral("(invalid)");
    return QStringLiteral("Servo mode LED#%1: %2 %3\n").arg(led + 1).arg(mode, 2).arg(name);
}

} // namespace

QString program(const std::vector<std::uint8_t>& values)
{
    const int lastEvent = int(values.size()) > DownloadStream::LastEventRecord
                              ? values[DownloadStream::LastEventRecord]
                              : -1;
    QString text = grid(values, lastEvent);
    for (int led = 0; led < LedCount; ++led)
        text += servoLine(values, led);
    if (int(values.size()) > DownloadStream::PicSpeedRecord)
        text += QStringLiteral("PICSpeed: %1\n").arg(values[DownloadStream::PicSpeedRecord]);
    if (lastEvent >= 0)
        text += QStringLiteral("LastEvent: %1\n").arg(lastEvent);
    return text;
}

QString timing(const StreamAnalysis::Timing& timing)
{
    return QStringLiteral("Records: %1\nMarker to first record: %2 ms\n"
                          "Gap between records: min %3 ms, max %4 ms\n"
                          "Total (marker to last record): %5 ms\n")
        .arg(timing.records)
        .arg(timing.firstMs, 0, 'f', 2)
        .arg(timing.minGapMs, 0, 'f', 2)
        .arg(timing.maxGapMs, 0, 'f', 2)
        .arg(timing.totalMs, 0, 'f', 2);
}

} // namespace ProgramReport
