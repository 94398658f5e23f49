// SPDX-License-Identifier: MIT
#include "SequenceFileWriter.h"

#include "SaveFileCommit.h"

#include <QSaveFile>

QByteArray SequenceFileWriter::encodeLine(int position, int value)
{
    const QByteArray number = QByteArray::number(value);
    // Event values are written as text, hence the quotes.
    const QByteArray field = position < SequenceFile::EventCount ? '"' + number + '"' : number;
    return field + "\r\n";
}

QByteArray SequenceFileWriter::encode(const SequenceFile& file)
{
    const SequenceFile::Values values = file.values();
    QByteArray bytes;
    for (int position = 0; position < SequenceFile::ValueCount; ++position)
        bytes += encodeLine(position, values[position]);
    return bytes;
}

SequenceFileWriter::Result SequenceFileWriter::save(const QString& path, const SequenceFile& file,
                                                    const Progress& progress)
{
    QSaveFile target(path);
    // Never fall back to writing the target in place: that could destroy it.
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return {false, target.errorString()};

    const SequenceFile::Values values = file.values();
    for (int position = 0; position < SequenceFile::ValueCount; ++position) {
        const QString error = writeBytes(target, encodeLine(position, values[position]));
        if (!error.isEmpty()) {
            target.cancelWriting();
            return {false, error};
        }
        if (progress && position < SequenceFile::EventCount)
            progress(position + 1);
    }
    if (const QString error = SaveFileCommit::commit(target); !error.isEmpty())
        return {false, error};
    return {true, {}};
}

QString SequenceFileWriter::writeBytes(QFileDevice& device, const QByteArray& bytes)
{
    if (device.write(bytes) != bytes.size())
        return device.errorString();
    return {};
}
