// SPDX-License-Identifier: MIT
#include "DownloadStream.h"

#include "LedSequence.h"

namespace DownloadStream {

Values values(const LedSequence& sequence, int picSpeed)
{
    static_assert(EventRecords == LedSequence::EventCount);
    static_assert(PicSpeedRecord - FirstServoRecord == LedSequence::LedCount);

    Values result{};
    // The event values are what mem holds; setCell keeps the two equal.
    for (int event = 0; event < EventRecords; ++event)
        result[event] = static_cast<std::uint8_t>(sequence.eventValue(event));
    for (int led = 0; led < LedSequence::LedCount; ++led)
        result[FirstServoRecord + led] = static_cast<std::uint8_t>(sequence.servoMode(led));
    result[PicSpeedRecord] = static_cast<std::uint8_t>(picSpeed);
    result[LastEventRecord] = static_cast<std::uint8_t>(sequence.lastEvent());
    return result;
}

namespace {

QByteArray threeBytes(char first)
{
    const char bytes[RecordSize] = {first, Cr, Lf};
    return QByteArray(bytes, RecordSize);
}

} // namespace

QByteArray startMarker()
{
    return threeBytes(MarkerByte);
}

QByteArray record(std::uint8_t value)
{
    return threeBytes(static_cast<char>(value));
}

QByteArray build(const Values& values)
{
    QByteArray stream = startMarker();
    stream.reserve(ByteCount);
    for (std::uint8_t value : values)
        stream += record(value);
    return stream;
}

QByteArray build(const LedSequence& sequence, int picSpeed)
{
    return build(values(sequence, picSpeed));
}

} // namespace DownloadStream
