// SPDX-License-Identifier: MIT
#include "SequenceFileReader.h"

#include "FieldScanner.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

// Events are counted from 1, as the window counts them.
QString SequenceFileReader::describeValue(int position)
{
    const SequenceFile::Range range = SequenceFile::valueRange(position);
    const QString bounds = tr(" (%1 to %2)").arg(range.min).arg(range.max);
    if (position < SequenceFile::FirstColor)
        return SequenceFileReader::tr("the value of event %1").arg(position + 1) + bounds;
    if (position < SequenceFile::FirstSpareColor)
        return SequenceFileReader::tr("the colour of LED#%1")
                   .arg(position - SequenceFile::FirstColor + 1)
               + bounds;
    if (position < SequenceFile::LastEventIndex)
        return SequenceFileReader::tr("spare colour entry %1")
                   .arg(position - SequenceFile::FirstSpareColor + 1)
               + bounds;
    if (position == SequenceFile::LastEventIndex)
        //: the file holds 0 for event 1 ... 49 for event 50
        return SequenceFileReader::tr("the last event (%1 to %2 for events 1 to 50)")
            .arg(range.min)
            .arg(range.max);
    if (position < SequenceFile::PicSpeedIndex)
        return SequenceFileReader::tr("the servo-control choice of LED#%1")
                   .arg(position - SequenceFile::FirstServoMode + 1)
               + bounds;
    if (position == SequenceFile::PicSpeedIndex)
        return SequenceFileReader::tr("the sequencer speed") + bounds;
    return SequenceFileReader::tr("the test speed") + bounds;
}

namespace {

// A field's text as it can be shown in a message: short, printable.
QString quoteFound(const QByteArray& text)
{
    constexpr int MaxShown = 20;
    QString shown;
    for (const char c : text.left(MaxShown))
        shown += (c >= 0x20 && c < 0x7F) ? QChar::fromLatin1(c) : QChar(u'?');
    if (text.size() > MaxShown)
        shown += QStringLiteral("...");
    return QStringLiteral("\"%1\"").arg(shown);
}

QString problemAt(int line, int position, const QString& found)
{
    //: %1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there
    return SequenceFileReader::tr("Line %1: expected value %2 of %3, %4, found %5.")
        .arg(line)
        .arg(position + 1)
        .arg(SequenceFile::ValueCount)
        .arg(SequenceFileReader::describeValue(position), found);
}

// A whole number with an optional sign and nothing else.
std::optional<qint64> toWholeNumber(const QByteArray& text)
{
    qsizetype start = (!text.isEmpty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    if (start == text.size())
        return std::nullopt;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    // Digits beyond what any value can hold only mean "out of range".
    constexpr int MaxDigits = 12;
    if (text.size() - start > MaxDigits)
        return text[0] == '-' ? std::numeric_limits<qint64>::min()
                              : std::numeric_limits<qint64>::max();
    return text.toLongLong();
}

} // namespace

SequenceFileReader::Result SequenceFileReader::parse(const QByteArray& bytes, bool complete,
                                                     const Progress& progress)
{
    FieldScanner scanner(bytes, complete);
    SequenceFile::Values values{};
    for (int position = 0; position < SequenceFile::ValueCount; ++position) {
        const FieldScanner::Field field = scanner.next();
        switch (field.status) {
        case FieldScanner::Status::Value:
            break;
        case FieldScanner::Status::EndOfData:
            return {std::nullopt, problemAt(field.line, position, tr("the end of the file"))};
        case FieldScanner::Status::CutOff:
            return {std::nullopt, valuesBeyondLimitProblem()};
        case FieldScanner::Status::MissingQuote:
            return {std::nullopt,
                    problemAt(field.line, position, tr("a text without its closing double quote"))};
        case FieldScanner::Status::TextAfterQuote:
            return {std::nullopt,
                    problemAt(field.line, position,
                              quoteFound(field.text) + tr(" followed by other text"))};
        }
        const std::optional<qint64> number = toWholeNumber(field.text);
        if (!number || !SequenceFile::valueRange(position).contains(*number)) {
            const QString found = field.text.isEmpty() ? tr("nothing") : quoteFound(field.text);
            return {std::nullopt, problemAt(field.line, position, found)};
        }
        values[position] = static_cast<int>(*number);
        if (progress && position < SequenceFile::EventCount)
            progress(position + 1);
    }
    for (int led = 0; led < SequenceFile::LedCount; ++led) {
        int& servo = values[SequenceFile::FirstServoMode + led];
        if (servo == SequenceFile::NoServoChoice)
            servo = ServoControl::None;
    }
    return {SequenceFile::fromValues(values), {}};
}

// What follows the last value is never read, so a long file is fine as long
// as its values come first; only values that run past the limit are refused.
QString SequenceFileReader::valuesBeyondLimitProblem()
{
    return tr("A sequence data file has its 65 values within its first %1 KB; this file "
              "does not, so it is not a sequence data file.")
        .arg(MaxBytes / 1024);
}

QString SequenceFileReader::notRegularFileProblem()
{
    return tr("This is not a regular file (it is a folder, a device or a pipe) and cannot "
              "hold sequence data.");
}

SequenceFileReader::Result SequenceFileReader::read(const QString& path, const Progress& progress)
{
    // Opening a pipe or a device would wait for a writer or read forever,
    // blocking the program; only regular files (symbolic links followed) are
    // read. A missing file is left to open() to report.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {std::nullopt, notRegularFileProblem()};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    // One byte more than the limit tells whether the file goes on beyond it.
    QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    const bool complete = bytes.size() <= MaxBytes;
    if (!complete)
        bytes.truncate(MaxBytes);
    return parse(bytes, complete, progress);
}
