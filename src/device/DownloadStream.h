// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

class LedSequence;

// The bytes that program the device: a start marker, then 56 fixed-size
// records in a fixed order. The device finds the records by position, so a
// value that happens to equal CR, LF or "*" is sent as it is.
namespace DownloadStream {

constexpr int RecordSize = 3;
constexpr int RecordCount = 56;
constexpr int EventRecords = 50;     // records 0..49: the event values
constexpr int FirstServoRecord = 50; // records 50..53: servo modes of LED#1..LED#4
constexpr int PicSpeedRecord = 54;
constexpr int LastEventRecord = 55;
constexpr int ByteCount = RecordSize + RecordCount * RecordSize; // 171

constexpr char Cr = '\r';
constexpr char Lf = '\n';
constexpr char MarkerByte = '*';

using Values = std::array<std::uint8_t, RecordCount>;

// The 56 record values in the order they are sent.
Values values(const LedSequence& sequence, int picSpeed);

QByteArray startMarker();
QByteArray record(std::uint8_t value);

// The whole stream: the start marker followed by every record.
QByteArray build(const Values& values);
QByteArray build(const LedSequence& sequence, int picSpeed);

} // namespace DownloadStream
