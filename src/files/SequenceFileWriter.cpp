#include "SequenceFileWriter.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace {

// QSaveFile::commit() ignores a failing flush of its buffer and a failing sync
// (Qt 6.4): on a full disk it would replace the old file with an empty one and
// report success. So the bytes are pushed to the disk and checked here first.
QString pushToDisk(QSaveFile& file)
{
    if (!file.flush())
        return file.errorString();
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return {};
}

} // namespace

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
    if (const QString error = pushToDisk(target); !error.isEmpty()) {
        target.cancelWriting();
        return {false, error};
    }
    if (!target.commit())
        return {false, target.errorString()};
    return {true, {}};
}

QString SequenceFileWriter::writeBytes(QFileDevice& device, const QByteArray& bytes)
{
    if (device.write(bytes) != bytes.size())
        return device.errorString();
    return {};
}
