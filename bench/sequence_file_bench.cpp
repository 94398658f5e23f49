// SPDX-License-Identifier: MIT
// Prints how long the data file reader and writer take, and how quickly a huge
// or binary file is turned away (the reader never reads more than 64 KB).
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Mean time of one call in microseconds.
double microsecondsPer(int runs, const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1000.0 / runs;
}

QString makeFile(const QTemporaryDir& dir, const char* name, const QByteArray& start, qint64 size)
{
    QFile file(dir.filePath(QLatin1String(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size() || !file.resize(size))
        qFatal("cannot create %s", name);
    return file.fileName();
}

} // namespace

int main()
{
    SequenceFile sample;
    for (int event = 0; event < SequenceFile::EventCount; ++event)
        sample.events[event] = event % 16;
    const QByteArray bytes = SequenceFileWriter::encode(sample);

    QTemporaryDir dir;
    // Sparse files: a gigabyte without a line break costs no disk space.
    const QString huge = makeFile(dir, "huge.dat", QByteArray(1024, '7'), qint64(1) << 30);
    QByteArray noise;
    for (int i = 0; i < 1 << 20; ++i)
        noise += char((i * 131 + 7) & 0xFF);
    const QString picture = makeFile(dir, "picture.dat", noise, noise.size());
    const QString saved = dir.filePath(QStringLiteral("saved.dat"));
    SequenceFileWriter writer;

    std::printf("encode 65 values:                  %8.2f us\n",
                microsecondsPer(10000, [&] { (void)SequenceFileWriter::encode(sample); }));
    std::printf("parse a written file:              %8.2f us\n",
                microsecondsPer(10000, [&] { (void)SequenceFileReader::parse(bytes); }));
    std::printf("save to disk (temp file + sync):   %8.2f us\n",
                microsecondsPer(50, [&] { (void)writer.save(saved, sample); }));
    std::printf("reject 1 GB file, no line break:   %8.2f us\n",
                microsecondsPer(100, [&] { (void)SequenceFileReader::read(huge); }));
    std::printf("reject 1 MB binary file:           %8.2f us\n",
                microsecondsPer(100, [&] { (void)SequenceFileReader::read(picture); }));
    return 0;
}
