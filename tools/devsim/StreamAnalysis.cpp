// SPDX-License-Identifier: MIT
#include "StreamAnalysis.h"

#include "DownloadStream.h"

#include <algorithm>

namespace {

constexpr int Size = DownloadStream::RecordSize;

int recordStart(int index)
{
    return Size * (index + 1);
}

struct Range {
    int first;
    int last;
};

QString recordName(int index)
{
    if (index < DownloadStream::EventRecords)
        return QStringLiteral("event %1").arg(index);
    if (index < DownloadStream::PicSpeedRecord)
        return QStringLiteral("servo mode of LED#%1")
            .arg(index - DownloadStream::FirstServoRecord + 1);
    return index == DownloadStream::PicSpeedRecord ? QStringLiteral("PICSpeed")
                                                   : QStringLiteral("LastEvent");
}

Range rangeOf(int index)
{
    if (index < DownloadStream::PicSpeedRecord)
        return {0, 15};
    if (index == DownloadStream::PicSpeedRecord)
        return {1, 100};
    return {0, 49};
}

} // namespace

StreamAnalysis::StreamAnalysis(const QByteArray& bytes, const std::vector<std::int64_t>& arrivalNs,
                               int expectedRecords, double toleranceMs)
    : m_bytes(bytes)
    , m_arrivalNs(arrivalNs)
{
    checkFraming(expectedRecords);
    checkValues();
    checkPacing(toleranceMs);
}

void StreamAnalysis::checkFraming(int expectedRecords)
{
    if (m_bytes.isEmpty()) {
        m_violations << QStringLiteral("nothing was received");
        return;
    }
    if (!m_bytes.startsWith(DownloadStream::startMarker()))
        m_violations << QStringLiteral(
            "the stream does not begin with the start marker \"*\" CR LF");
    const int expectedBytes = recordStart(expectedRecords);
    if (m_bytes.size() < expectedBytes) {
        m_violations << QStringLiteral("%1 bytes received, %2 expected (%3 records)")
                            .arg(m_bytes.size())
                            .arg(expectedBytes)
                            .arg(expectedRecords);
    } else if (m_bytes.size() > expectedBytes) {
        m_violations
            << QStringLiteral("%1 bytes after the last record").arg(m_bytes.size() - expectedBytes);
    }
    const int complete = std::min(expectedRecords, (int(m_bytes.size()) - Size) / Size);
    for (int index = 0; index < complete; ++index) {
        const int start = recordStart(index);
        if (m_bytes.at(start + 1) != DownloadStream::Cr
            || m_bytes.at(start + 2) != DownloadStream::Lf)
            m_violations << QStringLiteral("record %1 (%2) does not end in CR LF")
                                .arg(index + 1)
                                .arg(recordName(index));
        m_values.push_back(static_cast<std::uint8_t>(m_bytes.at(start)));
    }
}

void StreamAnalysis::checkValues()
{
    for (int index = 0; index < int(m_values.size()); ++index) {
        const Range range = rangeOf(index);
        const int value = m_values[index];
        if (value < range.first || value > range.last)
            m_violations << QStringLiteral("record %1 (%2) holds %3, outside %4..%5")
                                .arg(index + 1)
                                .arg(recordName(index))
                                .arg(value)
                                .arg(range.first)
                                .arg(range.last);
    }
}

double StreamAnalysis::msBetween(int fromByte, int toByte) const
{
    return double(m_arrivalNs[toByte] - m_arrivalNs[fromByte]) / 1e6;
}

void StreamAnalysis::checkPacing(double toleranceMs)
{
    const int arrived = int(std::min<size_t>(m_arrivalNs.size(), size_t(m_bytes.size())));
    // A record counts from the arrival of its first byte.
    m_timing.records =
        arrived > Size ? std::min((arrived - 1) / Size, DownloadStream::RecordCount) : 0;
    if (m_timing.records == 0)
        return;
    m_timing.firstMs = msBetween(0, recordStart(0));
    if (m_timing.firstMs < MarkerToFirstMs - toleranceMs)
        m_violations << QStringLiteral("the first record came %1 ms after the start marker, "
                                       "sooner than %2 ms")
                            .arg(m_timing.firstMs, 0, 'f', 1)
                            .arg(MarkerToFirstMs, 0, 'f', 0);
    m_timing.totalMs = msBetween(0, recordStart(m_timing.records - 1));
    // Each record is measured against the earlier record it is least ahead of
    // schedule from, not only the one before: a reader woken late stamps a
    // record late, which shortens the next gap though nothing came early.
    double earliestSlack = 0; // least of (arrival - index * gap) so far
    for (int index = 1; index < m_timing.records; ++index) {
        const double gap = msBetween(recordStart(index - 1), recordStart(index));
        m_timing.minGapMs = index == 1 ? gap : std::min(m_timing.minGapMs, gap);
        m_timing.maxGapMs = std::max(m_timing.maxGapMs, gap);
        const double slack = msBetween(recordStart(0), recordStart(index)) - index * RecordGapMs;
        const bool early = slack < earliestSlack - toleranceMs;
        earliestSlack = std::min(earliestSlack, slack);
        if (early)
            m_violations << QStringLiteral("record %1 came %2 ms after the one before, "
                                           "sooner than %3 ms")
                                .arg(index + 1)
                                .arg(gap, 0, 'f', 1)
                                .arg(RecordGapMs, 0, 'f', 0);
    }
}
