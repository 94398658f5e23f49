// SPDX-License-Identifier: MIT
#include "PaintStroke.h"
#include "SequenceDocument.h"
#include "SequenceFileWriter.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Leds = LedSequence::LedCount;
constexpr int Events = LedSequence::EventCount;

// Everything an edit may change, as Save would write it plus the file identity.
struct State {
    QByteArray bytes;
    QString rememberedFile;
    QString caption;
    friend bool operator==(const State& a, const State& b)
    {
        return a.bytes == b.bytes && a.rememberedFile == b.rememberedFile && a.caption == b.caption;
    }
};

State stateOf(const SequenceDocument& document)
{
    const SequenceFile file = SequenceFile::capture(document.sequence(), document.settings());
    return {SequenceFileWriter::encode(file), document.rememberedFile(), document.caption()};
}

class RandomEdits {
public:
    explicit RandomEdits(unsigned seed)
        : m_random(seed)
    {
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    SequenceFile randomFile()
    {
        SequenceFile file;
        for (int& value : file.events)
            value = below(5) == 0 ? 0 : below(16);
        for (int& color : file.ledColors)
            color = below(ColorTable::Count);
        for (std::int16_t& spare : file.spareColors)
            spare = static_cast<std::int16_t>(below(3) - 1);
        file.lastEvent = below(Events);
        for (int& mode : file.servoModes)
            mode = below(ServoControl::Count);
        file.picSpeed = 1 + below(100);
        file.pcSpeed = 1 + below(100);
        return file;
    }

    // One edit of a random kind, with arguments that now and then change nothing.
    void applyOne(SequenceDocument& document)
    {
        const QString path = QStringLiteral("/data/seq%1.dat").arg(below(3));
        const QString caption = QStringLiteral("caption %1").arg(below(3));
        switch (below(10)) {
        case 0:
            document.toggleCell(below(Leds), below(Events));
            break;
        case 1:
            stroke(document);
            break;
        case 2:
            document.applyRowOperation(below(Leds), static_cast<RowOperation>(below(8)),
                                       below(Leds + 1) - 1);
            break;
        case 3:
            document.setLedColors(SequenceDocument::LedSet(below(16)), below(8));
            break;
        case 4:
            document.setServoMode(below(Leds), below(ServoControl::Count));
            break;
        case 5:
            document.setLastEvent(below(Events));
            break;
        case 6:
            document.newSequence(caption);
            break;
        case 7:
            document.openFile(randomFile(), path, caption);
            break;
        case 8:
            document.mergeFile(randomFile(), path, caption);
            break;
        default:
            stroke(document);
            break;
        }
    }

private:
    // A stroke as the grid makes one: a random walk from a start cell, each
    // cell crossed painted by the shared rule.
    void stroke(SequenceDocument& document)
    {
        document.beginStroke();
        int row = below(Leds);
        int column = below(Events);
        const int startColumn = column;
        for (int step = 1 + below(12); step > 0; --step) {
            row = std::clamp(row + below(3) - 1, 0, Leds - 1);
            column = std::clamp(column + below(3) - 1, 0, Events - 1);
            const RowOperations::CellWrite write =
                PaintStroke::crossing(document.sequence(), row, column, startColumn);
            document.paintCell(write.led, write.event, write.value);
        }
        document.endStroke();
    }

    std::mt19937 m_random;
};

// A scattered start that differs from the defaults everywhere an edit can reach.
void setUpStart(SequenceDocument& document, RandomEdits& random)
{
    const QString file = QStringLiteral("/start.dat");
    const QString caption = QStringLiteral("start");
    document.restoreRecovered(random.randomFile(), file, caption);
    document.markSaved(file, caption);
}

} // namespace

class SequenceDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void undoAllRestoresStartRedoAllRestoresEnd_data();
    void undoAllRestoresStartRedoAllRestoresEnd();
    void interleavedUndoRedoTruncatesAsUsersExpect();
    void viewsHearOnlyOfWhatChanged();
    void strokeIsOneStepAndNetZeroStrokeNone();
    void readOnlyRefusesEveryEdit();
    void historyKeepsAThousandSteps();
    void goesWithoutAWord();
};

void SequenceDocumentTest::undoAllRestoresStartRedoAllRestoresEnd_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed = 1; seed <= 120; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Undo all brings back exactly what Save wrote at the start; redo all exactly
// the end; every edit that changed something is one step, and only those.
void SequenceDocumentTest::undoAllRestoresStartRedoAllRestoresEnd()
{
    QFETCH(unsigned, seed);
    RandomEdits random(seed);
    SequenceDocument document;
    setUpStart(document, random);
    std::vector<State> states{stateOf(document)};
    for (int edit = 0; edit < 80; ++edit) {
        const int stepsBefore = document.undoStack().count();
        random.applyOne(document);
        const State now = stateOf(document);
        const bool changed = !(now == states.back());
        QCOMPARE(document.undoStack().count(), stepsBefore + (changed ? 1 : 0));
        if (changed)
            states.push_back(now);
    }
    for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
        document.undoStack().undo();
        QCOMPARE(stateOf(document), *state);
    }
    QVERIFY(!document.undoStack().canUndo());
    for (auto state = states.begin() + 1; state != states.end(); ++state) {
        document.undoStack().redo();
        QCOMPARE(stateOf(document), *state);
    }
    QVERIFY(!document.undoStack().canRedo());
}

// Against a model of the history as users see it: a list of states and a
// position; a new edit drops whatever could have been redone; Save marks the
// position clean, and the clean mark is lost once its step is dropped.
void SequenceDocumentTest::interleavedUndoRedoTruncatesAsUsersExpect()
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandomEdits random(seed * 7919);
        SequenceDocument document;
        setUpStart(document, random);
        std::vector<State> history{stateOf(document)};
        int position = 0;
        int cleanAt = 0;
        for (int action = 0; action < 150; ++action) {
            const int choice = random.below(10);
            if (choice < 3) {
                document.undoStack().undo();
                position = std::max(0, position - 1);
            } else if (choice < 5) {
                document.undoStack().redo();
                position = std::min(int(history.size()) - 1, position + 1);
            } else if (choice == 5) {
                document.markSaved(document.rememberedFile(), document.caption());
                cleanAt = position;
            } else {
                random.applyOne(document);
                const State now = stateOf(document);
                if (!(now == history[position])) {
                    history.resize(position + 1);
                    history.push_back(now);
                    if (cleanAt > position)
                        cleanAt = -1;
                    ++position;
                }
            }
            const QByteArray where = QByteArray("seed ") + QByteArray::number(seed) + " action "
                                     + QByteArray::number(action);
            QVERIFY2(stateOf(document) == history[position], where);
            QVERIFY2(document.undoStack().canRedo() == (position + 1 < int(history.size())), where);
            QVERIFY2(document.isClean() == (position == cleanAt), where);
        }
    }
}

// Undo and redo tell the views about exactly the cells, colours and modes
// that change, and nothing else.
void SequenceDocumentTest::viewsHearOnlyOfWhatChanged()
{
    RandomEdits random(4242);
    SequenceDocument document;
    setUpStart(document, random);
    const LedSequence& sequence = document.sequence();
    auto snapshot = [&] { return SequenceFile::capture(sequence, document.settings()); };
    for (int round = 0; round < 200; ++round) {
        random.applyOne(document);
        if (!document.undoStack().canUndo())
            continue;
        const SequenceFile before = snapshot();
        QSignalSpy cells(&sequence, &LedSequence::cellChanged);
        QSignalSpy colors(&sequence, &LedSequence::ledColorChanged);
        QSignalSpy modes(&sequence, &LedSequence::servoModeChanged);
        QSignalSpy marker(&sequence, &LedSequence::lastEventChanged);
        document.undoStack().undo();
        const SequenceFile after = snapshot();
        int changedCells = 0;
        int changedColors = 0;
        int changedModes = 0;
        for (int event = 0; event < Events; ++event)
            for (int led = 0; led < Leds; ++led)
                changedCells += SequenceFile::lightsLed(before.events[event], led)
                                != SequenceFile::lightsLed(after.events[event], led);
        for (int led = 0; led < Leds; ++led) {
            changedColors += before.ledColors[led] != after.ledColors[led];
            changedModes += before.servoModes[led] != after.servoModes[led];
        }
        QCOMPARE(cells.count(), changedCells);
        QCOMPARE(colors.count(), changedColors);
        QCOMPARE(modes.count(), changedModes);
        QCOMPARE(marker.count(), before.lastEvent != after.lastEvent ? 1 : 0);
        document.undoStack().redo();
    }
}

void SequenceDocumentTest::strokeIsOneStepAndNetZeroStrokeNone()
{
    SequenceDocument document;
    document.beginStroke();
    for (int event = 3; event < 20; ++event)
        document.paintCell(2, event, 1);
    document.endStroke();
    QCOMPARE(document.undoStack().count(), 1);
    document.undoStack().undo();
    for (int event = 0; event < Events; ++event)
        QCOMPARE(document.sequence().cell(2, event), 0);

    // Painted on and off again within one stroke: nothing to undo.
    document.undoStack().clear();
    document.beginStroke();
    document.paintCell(1, 5, 1);
    document.paintCell(1, 6, 1);
    document.paintCell(1, 5, 0);
    document.paintCell(1, 6, 0);
    document.endStroke();
    QCOMPARE(document.undoStack().count(), 0);

    // Two strokes are two steps, even when they touch the same cells.
    for (int value : {1, 0}) {
        document.beginStroke();
        document.paintCell(0, 0, value);
        document.paintCell(0, 1, value);
        document.endStroke();
    }
    QCOMPARE(document.undoStack().count(), 2);
}

void SequenceDocumentTest::readOnlyRefusesEveryEdit()
{
    RandomEdits random(99);
    SequenceDocument document;
    setUpStart(document, random);
    const State start = stateOf(document);
    document.setReadOnly(true);
    for (int edit = 0; edit < 300; ++edit)
        random.applyOne(document);
    QCOMPARE(stateOf(document), start);
    QCOMPARE(document.undoStack().count(), 0);
    document.setReadOnly(false);
    document.toggleCell(0, 0);
    QCOMPARE(document.undoStack().count(), 1);
}

// The history holds at least a thousand steps; the oldest go beyond that.
void SequenceDocumentTest::historyKeepsAThousandSteps()
{
    SequenceDocument document;
    const State start = stateOf(document);
    for (int step = 0; step < 1000; ++step)
        document.toggleCell(step % Leds, (step / Leds) % Events);
    for (int step = 0; step < 1000; ++step) {
        QVERIFY(document.undoStack().canUndo());
        document.undoStack().undo();
    }
    QCOMPARE(stateOf(document), start);
}

// The window that owns the document is partly destroyed when the document
// goes; a history that tells of its own clearing would call into it.
void SequenceDocumentTest::goesWithoutAWord()
{
    auto document = std::make_unique<SequenceDocument>();
    document->toggleCell(0, 0);
    document->toggleCell(1, 1);
    document->undoStack().undo(); // both undo and redo are possible now
    int heard = 0;
    QObject listener;
    const auto count = [&heard] { ++heard; };
    QUndoStack& stack = document->undoStack();
    connect(&stack, &QUndoStack::canUndoChanged, &listener, count);
    connect(&stack, &QUndoStack::canRedoChanged, &listener, count);
    connect(&stack, &QUndoStack::indexChanged, &listener, count);
    connect(&stack, &QUndoStack::cleanChanged, &listener, count);
    connect(document.get(), &SequenceDocument::cleanChanged, &listener, count);
    document.reset();
    QCOMPARE(heard, 0);
}

QTEST_GUILESS_MAIN(SequenceDocumentTest)
#include "tst_sequencedocument.moc"
