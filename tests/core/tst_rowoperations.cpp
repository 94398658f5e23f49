// SPDX-License-Identifier: MIT
#include "LedSequence.h"
#include "RowOperations.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <set>

using RowOperations::CellWrite;

namespace {

constexpr int Leds = LedSequence::LedCount;
constexpr int Events = LedSequence::EventCount;
using Grid = std::array<std::array<int, Events>, Leds>;

constexpr std::array<const char*, 8> OperationNames{"ClearAll", "MarkAll", "ToggleAll", "CopyFrom",
                                                    "CopyTo",   "Skip1",   "Skip2",     "Skip3"};

// A mixed starting grid: every row has lit and dark cells, and no two rows are alike.
Grid startingGrid()
{
    Grid grid{};
    for (int led = 0; led < Leds; ++led)
        for (int event = 0; event < Events; ++event)
            grid[led][event] = (event * 7 + led * 3) % 5 < 2 ? 1 : 0;
    return grid;
}

void load(LedSequence& sequence, const Grid& grid)
{
    for (int led = 0; led < Leds; ++led)
        for (int event = 0; event < Events; ++event)
            sequence.setCell(led, event, grid[led][event]);
}

// Number of cells from event 0 on that a Skip pattern covers, stated per pattern
// rather than step by step: Skip 1 covers every group whose lit cell is at or
// before the end; Skip 2 and 3 only the groups that fit whole.
int skipCoverage(int darkCells, int lastEvent)
{
    const int groupLength = darkCells + 1;
    const int groups = darkCells == 1 ? lastEvent / 2 + 1 : (lastEvent + 1) / groupLength;
    return groups * groupLength;
}

// The cell values an operation must leave, with `written` marking the cells it writes.
Grid expectedGrid(const Grid& before, RowOperation operation, int row, int other, int lastEvent,
                  std::array<std::array<bool, Events>, Leds>& written)
{
    Grid after = before;
    written = {};
    const bool copyValid = other >= 0 && other < Leds && other != row;
    for (int event = 0; event < Events; ++event) {
        const bool bounded = event <= lastEvent;
        auto write = [&](int led, int value) {
            after[led][event] = value;
            written[led][event] = true;
        };
        switch (operation) {
        case RowOperation::ClearAll:
            write(row, 0);
            break;
        case RowOperation::MarkAll:
            if (bounded)
                write(row, 1);
            break;
        case RowOperation::ToggleAll:
            if (bounded)
                write(row, 1 - before[row][event]);
            break;
        case RowOperation::CopyFrom:
            if (bounded && copyValid)
                write(row, before[other][event]);
            break;
        case RowOperation::CopyTo:
            if (bounded && copyValid)
                write(other, before[row][event]);
            break;
        case RowOperation::Skip1:
        case RowOperation::Skip2:
        case RowOperation::Skip3: {
            const int dark =
                static_cast<int>(operation) - static_cast<int>(RowOperation::Skip1) + 1;
            if (event < skipCoverage(dark, lastEvent))
                write(row, event % (dark + 1) == 0 ? 1 : 0);
            break;
        }
        }
    }
    return after;
}

} // namespace

class RowOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void writesBoundedCellsInOrder_data();
    void writesBoundedCellsInOrder();
    void skipPatternsAtDefaultEnd_data();
    void skipPatternsAtDefaultEnd();
    void outOfRangeInputStaysInGrid_data();
    void outOfRangeInputStaysInGrid();
    void listEntriesMapToOperations();
};

void RowOperationsTest::writesBoundedCellsInOrder_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("other");
    QTest::addColumn<int>("lastEvent");
    for (int op = 0; op < static_cast<int>(OperationNames.size()); ++op) {
        const bool copy = RowOperationList::needsOtherRow(static_cast<RowOperation>(op));
        for (int row = 0; row < Leds; ++row) {
            // For copies every row is tried as the other one, plus "no row" (an
            // empty entry or "Cancel" in the list).
            const std::set<int> others = copy ? std::set<int>{-1, 0, 1, 2, 3} : std::set<int>{-1};
            for (int other : others)
                for (int last = 0; last < Events; ++last)
                    QTest::addRow("%s row%d other%d end%d", OperationNames[op], row, other, last)
                        << op << row << other << last;
        }
    }
}

void RowOperationsTest::writesBoundedCellsInOrder()
{
    QFETCH(int, operation);
    QFETCH(int, row);
    QFETCH(int, other);
    QFETCH(int, lastEvent);
    const auto op = static_cast<RowOperation>(operation);

    LedSequence sequence;
    const Grid before = startingGrid();
    load(sequence, before);
    std::array<std::array<bool, Events>, Leds> written{};
    const Grid after = expectedGrid(before, op, row, other, lastEvent, written);

    // The planned writes: inside the grid, each expected cell once, in
    // increasing event order (so a Skip group's lit cell before its dark ones).
    const std::vector<CellWrite> writes = RowOperations::plan(sequence, row, op, lastEvent, other);
    int previousEvent = -1;
    int expectedCount = 0;
    for (const auto& rowWritten : written)
        expectedCount += static_cast<int>(std::count(rowWritten.begin(), rowWritten.end(), true));
    QCOMPARE(static_cast<int>(writes.size()), expectedCount);
    for (const CellWrite& write : writes) {
        QVERIFY2(LedSequence::isLed(write.led), qPrintable(QString::number(write.led)));
        QVERIFY2(LedSequence::isEvent(write.event), qPrintable(QString::number(write.event)));
        QVERIFY(write.event > previousEvent);
        previousEvent = write.event;
        QVERIFY(written[write.led][write.event]);
        QCOMPARE(write.value, after[write.led][write.event]);
    }

    // Applied: every cell as expected (so rows and cells past the bound are
    // untouched), every value text current, nothing but cells changed.
    RowOperations::apply(sequence, row, op, lastEvent, other);
    for (int event = 0; event < Events; ++event) {
        int value = 0;
        for (int led = 0; led < Leds; ++led) {
            QCOMPARE(sequence.cell(led, event), after[led][event]);
            value += after[led][event] << led;
        }
        QCOMPARE(sequence.mem(event), QString::number(value));
    }
    QCOMPARE(sequence.lastEvent(), LedSequence::DefaultLastEvent);
    for (int led = 0; led < Leds; ++led) {
        QCOMPARE(sequence.ledColor(led), ColorTable::White);
        QCOMPARE(sequence.servoMode(led), ServoControl::None);
    }
}

void RowOperationsTest::skipPatternsAtDefaultEnd_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("lastEvent");
    QTest::addColumn<QList<int>>("lit");
    QTest::addColumn<int>("lastWritten");

    QList<int> everySecond, everyThird, everyFourth, fourthTo40;
    for (int event = 0; event <= 48; event += 2)
        everySecond << event;
    for (int event = 0; event <= 45; event += 3)
        everyThird << event;
    for (int event = 0; event <= 44; event += 4)
        everyFourth << event;
    for (int event = 0; event <= 40; event += 4)
        fourthTo40 << event;

    QTest::newRow("Skip1 end49") << int(RowOperation::Skip1) << 49 << everySecond << 49;
    QTest::newRow("Skip1 end48") << int(RowOperation::Skip1) << 48 << everySecond << 49;
    QTest::newRow("Skip2 end49") << int(RowOperation::Skip2) << 49 << everyThird << 47;
    QTest::newRow("Skip3 end49") << int(RowOperation::Skip3) << 49 << everyFourth << 47;
    QTest::newRow("Skip3 end46") << int(RowOperation::Skip3) << 46 << fourthTo40 << 43;
    QTest::newRow("Skip1 end1") << int(RowOperation::Skip1) << 1 << QList<int>{0} << 1;
    QTest::newRow("Skip2 end1") << int(RowOperation::Skip2) << 1 << QList<int>{} << -1;
    QTest::newRow("Skip3 end1") << int(RowOperation::Skip3) << 1 << QList<int>{} << -1;
}

// Literal patterns, independent of the general expectation above.
void RowOperationsTest::skipPatternsAtDefaultEnd()
{
    QFETCH(int, operation);
    QFETCH(int, lastEvent);
    QFETCH(QList<int>, lit);
    QFETCH(int, lastWritten);

    LedSequence sequence;
    for (int event = 0; event < Events; ++event)
        sequence.setCell(2, event, 1);
    RowOperations::apply(sequence, 2, static_cast<RowOperation>(operation), lastEvent);
    for (int event = 0; event < Events; ++event) {
        const int expected = event > lastWritten || lit.contains(event) ? 1 : 0;
        QCOMPARE(sequence.cell(2, event), expected);
    }
}

void RowOperationsTest::outOfRangeInputStaysInGrid_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("lastEvent");
    QTest::addColumn<int>("clampedTo");
    for (int op = 0; op < static_cast<int>(OperationNames.size()); ++op) {
        QTest::addRow("%s below", OperationNames[op]) << op << -3 << 0;
        QTest::addRow("%s above", OperationNames[op]) << op << 50 << 49;
        QTest::addRow("%s far above", OperationNames[op]) << op << 1000 << 49;
    }
}

void RowOperationsTest::outOfRangeInputStaysInGrid()
{
    QFETCH(int, operation);
    QFETCH(int, lastEvent);
    QFETCH(int, clampedTo);
    LedSequence sequence;
    load(sequence, startingGrid());
    const auto op = static_cast<RowOperation>(operation);
    const auto writes = RowOperations::plan(sequence, 1, op, lastEvent, 3);
    for (const CellWrite& write : writes)
        QVERIFY(LedSequence::isEvent(write.event));
    QVERIFY(writes == RowOperations::plan(sequence, 1, op, clampedTo, 3));
    QVERIFY(RowOperations::plan(sequence, -1, op, clampedTo, 3).empty());
    QVERIFY(RowOperations::plan(sequence, Leds, op, clampedTo, 3).empty());
}

void RowOperationsTest::listEntriesMapToOperations()
{
    for (int entry = 0; entry < 8; ++entry)
        QCOMPARE(RowOperationList::fromEntry(entry),
                 std::optional(static_cast<RowOperation>(entry)));
    // The empty entry, "Cancel" and "no selection" do nothing.
    QCOMPARE(RowOperationList::fromEntry(8), std::nullopt);
    QCOMPARE(RowOperationList::fromEntry(9), std::nullopt);
    QCOMPARE(RowOperationList::fromEntry(-1), std::nullopt);
}

QTEST_GUILESS_MAIN(RowOperationsTest)
#include "tst_rowoperations.moc"
