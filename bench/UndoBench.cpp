// SPDX-License-Identifier: MIT
// Undo and redo of a long history of whole-grid edits: time per step and the
// memory the history holds.
//
// Three histories of 1,000 steps each: paint strokes over all 200 cells, row
// operations that toggle whole rows, and Opens of different files. Each is
// undone and redone completely; the figures are the mean time per step and
// the heap the history takes (glibc's mallinfo2, before and after building).

#include "PaintStroke.h"
#include "SequenceDocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <malloc.h>

#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int Steps = 1000;

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void wholeGridStroke(SequenceDocument& document, int step)
{
    document.beginStroke();
    for (int led = 0; led < LedSequence::LedCount; ++led)
        for (int event = 0; event < LedSequence::EventCount; ++event)
            document.paintCell(led, event, (step + led + event) % 2);
    document.endStroke();
}

void toggleRows(SequenceDocument& document, int step)
{
    document.setLastEvent(LedSequence::EventCount - 1);
    document.applyRowOperation(step % LedSequence::LedCount, RowOperation::ToggleAll);
}

void openFile(SequenceDocument& document, int step)
{
    std::mt19937 random(step);
    SequenceFile file;
    for (int& value : file.events)
        value = int(random() % 16);
    file.lastEvent = int(random() % 50);
    document.openFile(file, QStringLiteral("/data/file%1.dat").arg(step),
                      QStringLiteral("STROBIX  -  file%1.dat").arg(step));
}

void measure(const char* name, const std::function<void(SequenceDocument&, int)>& edit)
{
    SequenceDocument document;
    const size_t heapBefore = heapInUse();
    for (int step = 0; step < Steps; ++step)
        edit(document, step);
    const size_t heapAfter = heapInUse();
    QUndoStack& stack = document.undoStack();
    const int steps = stack.count();

    QElapsedTimer timer;
    timer.start();
    while (stack.canUndo())
        stack.undo();
    const double undoUs = timer.nsecsElapsed() / 1000.0 / steps;
    timer.restart();
    while (stack.canRedo())
        stack.redo();
    const double redoUs = timer.nsecsElapsed() / 1000.0 / steps;

    std::printf("%-28s %5d steps  undo %7.1f us/step  redo %7.1f us/step  history %7.1f KiB\n",
                name, steps, undoUs, redoUs, (heapAfter - heapBefore) / 1024.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("Goal: under 1000 us per step, under 2048 KiB for 1000 steps\n");
    measure("whole-grid paint strokes", wholeGridStroke);
    measure("row operations (toggle)", toggleRows);
    measure("Open of different files", openFile);
    return 0;
}
