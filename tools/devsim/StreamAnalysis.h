// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <vector>

// Checks a received download the way the device reads it: the start marker,
// then three-byte records found by position, each ending in CR LF, paced no
// faster than the device can take them. Decodes the values of the complete
// records.
class StreamAnalysis {
public:
    static constexpr double MarkerToFirstMs = 550.0; // 500 ms pause + the record's 50 ms
    static constexpr double RecordGapMs = 50.0;

    struct Timing {
        int records = 0;     // records whose first byte arrived
        double firstMs = 0;  // marker -> first record
        double minGapMs = 0; // between records 1..n (not counting the first)
        double maxGapMs = 0;
        double totalMs = 0; // marker -> last record
    };

    // expectedRecords: 56 for a whole download, fewer when the line was hung
    // up on purpose. toleranceMs: allowance for late timestamps on the
    // receiving side only (a byte stamped late shortens the next gap it opens).
    StreamAnalysis(const QByteArray& bytes, const std::vector<std::int64_t>& arrivalNs,
                   int expectedRecords, double toleranceMs);

    const QStringList& violations() const { return m_violations; }
    bool ok() const { return m_violations.isEmpty(); }
    const Timing& timing() const { return m_timing; }
    // Values of the complete records, in the order received.
    const std::vector<std::uint8_t>& values() const { return m_values; }

private:
    void checkFraming(int expectedRecords);
    void checkValues();
    void checkPacing(double toleranceMs);
    double msBetween(int fromByte, int toByte) const;

    QByteArray m_bytes;
    std::vector<std::int64_t> m_arrivalNs;
    QStringList m_violations;
    Timing m_timing;
    std::vector<std::uint8_t> m_values;
};
