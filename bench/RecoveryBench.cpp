// SPDX-License-Identifier: MIT
// The cost of a recovery copy: what the GUI thread spends on one (capturing
// and encoding the sequence, handing it to the writer), and what the writer
// thread spends putting it on disk (two files, each synced and renamed).
//
//   bench_recovery [FOLDER]   the copies go to FOLDER (default: a temporary
//                             folder; the disk under it decides the second figure)

#include "RecoveryController.h"
#include "RecoveryStore.h"
#include "SequenceDocument.h"
#include "SequenceFileWriter.h"
#include "AlwaysOkPrompts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Copies = 200;

void report(const char* what, std::vector<double> microseconds)
{
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double share) { return microseconds[size_t(share * (Copies - 1))]; };
    std::printf("%-34s median %8.1f us  95%% %8.1f us  max %8.1f us\n", what, at(0.5), at(0.95),
                microseconds.back());
}

// Each copy as the controller makes it after an edit: timed on the GUI
// thread, and on the writer's side until the copy is on disk.
void measureController(const QString& folder)
{
    SequenceDocument document;
    AlwaysOkPrompts prompts;
    RecoveryController controller(document, prompts, std::make_unique<RecoveryStore>(folder));
    QSignalSpy written(&controller, &RecoveryController::copyWritten);
    std::vector<double> guiThread;
    std::vector<double> untilOnDisk;
    document.setLastEvent(10); // never back to a blank sequence, which has no copy
    QElapsedTimer timer;
    for (int copy = 0; copy < Copies; ++copy) {
        document.toggleCell(copy % LedSequence::LedCount, copy % LedSequence::EventCount);
        timer.start();
        QMetaObject::invokeMethod(&controller, "writeCopy", Qt::DirectConnection);
        guiThread.push_back(timer.nsecsElapsed() / 1000.0);
        written.wait(10000);
        untilOnDisk.push_back(timer.nsecsElapsed() / 1000.0);
    }
    report("GUI thread per copy", guiThread);
    report("edit to copy on disk (writer)", untilOnDisk);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    std::printf("Goal: under 1000 us per copy on the GUI thread; %d copies in %s\n", Copies,
                qPrintable(folder));
    measureController(folder);
    return 0;
}
