// SPDX-License-Identifier: MIT
#include "SequenceFileWriter.h"

#include "SaveFileCommit.h"
#include "SequenceFileReader.h"

#include <QFileInfo>
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

bool SequenceFileWriter::canSaveTo(const QString& path)
{
    // Follow links as the save will; one that still leads to a link in the
    // end is a loop, and the save would replace it with a file.
    constexpr int MaxLinks = 32;
    QFileInfo target(path);
    for (int link = 0; link < MaxLinks && target.isSymLink(); ++link)
        target.setFile(target.symLinkTarget());
    if (target.isSymLink())
        return false;
    return !target.exists() || target.isFile();
}

SequenceFileWriter::Result SequenceFileWriter::save(const QString& path, const SequenceFile& file,
                                                    const Progress& progress)
{
    // The temporary file is renamed over the target: a device, a pipe or a
    // folder of that name would be destroyed.
    if (!canSaveTo(path))
        return {false, SequenceFileReader::notRegularFileProblem()};
    QSaveFile target(path);
    // Never fall back to writing the target in place: that could destroy it.
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return {false, target.errorString()};

    const SequenceFile::Values values = file.values();
    for (int position = 0; position < SequenceFile::ValueCount; ++position) {
        const QString error = SaveFileCommit::write(target, encodeLine(position, values[position]));
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
