// SPDX-License-Identifier: MIT
// Prints how long --export-animation takes for the largest example (the one
// with the most events): drawing the frames, merging, timing, encoding and
// writing the GIF, at the default width and the largest, and the GIF's size.
//
//   bench_export_animation [runs, default 10]

#include "AnimationExport.h"
#include "ProgramSettings.h"
#include "SequenceFileReader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QString largestExample()
{
    const QDir folder(QStringLiteral(STROBIX_EXAMPLES));
    QString largest;
    int mostEvents = 0;
    for (const QString& name : folder.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
        const SequenceFileReader::Result read = SequenceFileReader::read(folder.filePath(name));
        if (read.ok() && read.file->lastEvent + 1 > mostEvents) {
            mostEvents = read.file->lastEvent + 1;
            largest = folder.filePath(name);
        }
    }
    return largest;
}

void measure(const LedSequence& sequence, int stepMs, int width, int runs, const QString& picture)
{
    qint64 best = -1;
    qint64 total = 0;
    AnimationExport::Animation animation;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        animation =
            AnimationExport::animate(sequence, stepMs, {width, -1}, QApplication::palette());
        if (!AnimationExport::save(animation, picture).isEmpty())
            qFatal("cannot write %s", qPrintable(picture));
        const qint64 elapsed = timer.nsecsElapsed();
        total += elapsed;
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    const QImage& first = animation.frames.constFirst();
    std::printf("width %4d (%dx%d px, %lld frames): mean %.1f ms, best %.1f ms, GIF %lld bytes\n",
                width, first.width(), first.height(), qlonglong(animation.frames.size()),
                total / 1e6 / runs, best / 1e6, QFileInfo(picture).size());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const QString example = largestExample();
    LedSequence sequence;
    ProgramSettings settings;
    const SequenceFileReader::Result read = SequenceFileReader::read(example);
    if (!read.ok())
        qFatal("no example found in %s", STROBIX_EXAMPLES);
    read.file->openInto(sequence, settings);
    std::printf("%s: %d events of %d ms, %d runs each\n", qPrintable(QFileInfo(example).fileName()),
                sequence.lastEvent() + 1, settings.pcSpeed(), runs);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("bench.gif"));
    for (int width : {120, 0, 2000})
        measure(sequence, settings.pcSpeed(), width, runs, picture);
    return 0;
}
