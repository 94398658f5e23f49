// SPDX-License-Identifier: MIT
#include "PopupInput.h"
#include "RowOperations.h"
#include "ScriptedPrompts.h"
#include "SequenceGrid.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace PopupInput;

namespace {

constexpr int CopyFromEntry = 3;
constexpr int CopyToEntry = 4;
constexpr int CancelEntry = 9;

// Every row mixed, each differently, so copies and toggles show.
void loadMixedCells(LedSequence& sequence)
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        for (int event = 0; event < LedSequence::EventCount; ++event)
            sequence.setCell(led, event, (event * 3 + led) % 4 == 0 ? 1 : 0);
}

QString cellsOf(const LedSequence& sequence)
{
    QString text;
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        for (int event = 0; event < LedSequence::EventCount; ++event)
            text += sequence.cell(led, event) ? QLatin1Char('#') : QLatin1Char('.');
        text += QLatin1Char('\n');
    }
    return text;
}

// What the row should look like: the same operation on an identical sequence.
QString expectedCells(int row, int entry, int lastEvent, int otherRow = -1)
{
    LedSequence reference;
    loadMixedCells(reference);
    if (const auto operation = RowOperationList::fromEntry(entry))
        RowOperations::apply(reference, row, *operation, lastEvent, otherRow);
    return cellsOf(reference);
}

} // namespace

class RowOptionsUiTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mouseAppliesPickedOperation_data();
    void mouseAppliesPickedOperation();
    void mouseCopiesWithChosenRow_data();
    void mouseCopiesWithChosenRow();
    void keyboardListOpensOnFirstEntryEveryTime();
    void copyListKeepsItsLastSelection();
    void secondRowButtonReplacesPendingOperation();
    void secondRowButtonReplacesPendingCopy();
    void endMarkerIsReadWhenApplied();
    void windowStaysUsableWhileListOpen();
    void runningTestHeldWhileListOpen();

private:
    void openRow(int row);
    std::unique_ptr<TestWindow> m_window;
    QListWidget* m_operations = nullptr;
    QListWidget* m_copyRows = nullptr;
};

void RowOptionsUiTest::init()
{
    m_window = std::make_unique<TestWindow>();
    m_operations = (*m_window)->rowOptionsList();
    m_copyRows = (*m_window)->copyList();
    loadMixedCells((*m_window)->setUp().sequence());
}

void RowOptionsUiTest::cleanup()
{
    QVERIFY(m_window->prompts().unexpected.isEmpty());
    m_window.reset();
}

void RowOptionsUiTest::openRow(int row)
{
    clickButton((*m_window)->rowOptionsButton(row));
    QVERIFY(m_operations->isVisible());
    QVERIFY(!m_copyRows->isVisible());
    QCOMPARE(m_operations->currentRow(), 0);
}

void RowOptionsUiTest::mouseAppliesPickedOperation_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("lastEvent");
    QTest::newRow("Clear All, already selected") << 0 << 0 << 9;
    QTest::newRow("Mark All to 9") << 1 << 1 << 9;
    QTest::newRow("Toggle All to 9") << 2 << 2 << 9;
    QTest::newRow("Skip 1 to 48") << 3 << 5 << 48;
    QTest::newRow("Skip 2 to 49") << 0 << 6 << 49;
    QTest::newRow("Skip 3 to 46") << 2 << 7 << 46;
    QTest::newRow("empty entry") << 1 << 8 << 49;
    QTest::newRow("Cancel") << 3 << CancelEntry << 20;
}

void RowOptionsUiTest::mouseAppliesPickedOperation()
{
    QFETCH(int, row);
    QFETCH(int, entry);
    QFETCH(int, lastEvent);
    const LedSequence& sequence = (*m_window)->sequence();
    (*m_window)->setUp()->setLastEvent(lastEvent);

    openRow(row);
    clickEntry(m_operations, entry);

    QVERIFY(!m_operations->isVisible());
    QVERIFY(!m_copyRows->isVisible());
    QCOMPARE(cellsOf(sequence), expectedCells(row, entry, lastEvent));
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(sequence.mem(event), QString::number(sequence.eventValue(event)));
}

void RowOptionsUiTest::mouseCopiesWithChosenRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("copyEntry");
    QTest::addColumn<int>("lastEvent");
    QTest::newRow("LED#1 from LED #3") << 0 << CopyFromEntry << 2 << 49;
    QTest::newRow("LED#1 from LED #1") << 0 << CopyFromEntry << 0 << 49;
    QTest::newRow("LED#1 from empty entry") << 0 << CopyFromEntry << 5 << 49;
    QTest::newRow("LED#1 from Cancel") << 0 << CopyFromEntry << CancelEntry << 49;
    QTest::newRow("LED#2 to LED #4 up to 17") << 1 << CopyToEntry << 3 << 17;
    QTest::newRow("LED#4 to LED #1 up to 0") << 3 << CopyToEntry << 0 << 0;
}

void RowOptionsUiTest::mouseCopiesWithChosenRow()
{
    QFETCH(int, row);
    QFETCH(int, entry);
    QFETCH(int, copyEntry);
    QFETCH(int, lastEvent);
    const LedSequence& sequence = (*m_window)->sequence();
    (*m_window)->setUp()->setLastEvent(lastEvent);
    const QString before = cellsOf(sequence);

    openRow(row);
    clickEntry(m_operations, entry);
    QVERIFY(!m_operations->isVisible());
    QVERIFY(m_copyRows->isVisible());
    QCOMPARE(cellsOf(sequence), before);
    clickEntry(m_copyRows, copyEntry);

    QVERIFY(!m_copyRows->isVisible());
    const int otherRow = copyEntry < LedSequence::LedCount ? copyEntry : -1;
    QCOMPARE(cellsOf(sequence), expectedCells(row, entry, lastEvent, otherRow));
}

void RowOptionsUiTest::keyboardListOpensOnFirstEntryEveryTime()
{
    const LedSequence& sequence = (*m_window)->sequence();
    (*m_window)->setUp()->setLastEvent(9);
    openRow(2);
    pressKey(m_operations, Qt::Key_Down, 2);
    pressKey(m_operations, Qt::Key_Return);
    QVERIFY(!m_operations->isVisible());
    QCOMPARE(cellsOf(sequence), expectedCells(2, 2, 9)); // Toggle All

    // Back on "Clear All", not on "Toggle All" where it closed.
    openRow(2);
    pressKey(m_operations, Qt::Key_Return);
    QVERIFY(!m_operations->isVisible());
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(sequence.cell(2, event), 0);
}

void RowOptionsUiTest::copyListKeepsItsLastSelection()
{
    const LedSequence& sequence = (*m_window)->sequence();
    openRow(1);
    clickEntry(m_operations, CopyFromEntry);
    QVERIFY(m_copyRows->selectedItems().isEmpty());
    clickEntry(m_copyRows, 3);
    QCOMPARE(cellsOf(sequence), expectedCells(1, CopyFromEntry, 49, 3));

    // A second copy opens on "LED #4" again, and Enter takes it.
    openRow(0);
    pressKey(m_operations, Qt::Key_Down, CopyToEntry);
    pressKey(m_operations, Qt::Key_Return);
    QVERIFY(m_copyRows->isVisible());
    QCOMPARE(m_copyRows->currentRow(), 3);
    pressKey(m_copyRows, Qt::Key_Return);
    QVERIFY(!m_copyRows->isVisible());
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(sequence.cell(3, event), sequence.cell(0, event));
}

// Chosen behaviour: the newer row's operation replaces the pending one, so the
// one pick changes only the newer row.
void RowOptionsUiTest::secondRowButtonReplacesPendingOperation()
{
    const LedSequence& sequence = (*m_window)->sequence();
    openRow(0);
    pressKey(m_operations, Qt::Key_Down, 2);
    openRow(2); // reopens on "Clear All"
    clickEntry(m_operations, 1);

    QVERIFY(!m_operations->isVisible());
    QCOMPARE(cellsOf(sequence), expectedCells(2, 1, 49));
    QVERIFY(!(*m_window)->playback().isHeld());
}

void RowOptionsUiTest::secondRowButtonReplacesPendingCopy()
{
    const LedSequence& sequence = (*m_window)->sequence();
    openRow(0);
    clickEntry(m_operations, CopyFromEntry);
    QVERIFY(m_copyRows->isVisible());
    // The copy list covers the row buttons; the keyboard can still reach them.
    (*m_window)->rowOptionsButton(3)->click();
    QVERIFY(!m_copyRows->isVisible());
    QVERIFY(m_operations->isVisible());
    QCOMPARE(m_operations->currentRow(), 0);
    clickEntry(m_operations, 1);

    QVERIFY(!m_operations->isVisible());
    QVERIFY(!m_copyRows->isVisible());
    QCOMPARE(cellsOf(sequence), expectedCells(3, 1, 49));
    QVERIFY(!(*m_window)->playback().isHeld());
}

void RowOptionsUiTest::endMarkerIsReadWhenApplied()
{
    const LedSequence& sequence = (*m_window)->sequence();
    TimeAxisWidget* axis = (*m_window)->timeAxis();
    QWindow* handle = (*m_window)->windowHandle();
    auto doubleClickLabel = [&](int event) {
        QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier,
                           axis->mapTo(&m_window->window(), axis->labelCenter(event)));
    };

    openRow(1);
    doubleClickLabel(30);
    QCOMPARE(sequence.lastEvent(), 30);
    QVERIFY(m_operations->isVisible());
    clickEntry(m_operations, 1);
    QCOMPARE(cellsOf(sequence), expectedCells(1, 1, 30));

    // For a copy, the marker as it stands once the copy list has closed.
    std::array<int, LedSequence::EventCount> firstRowBefore{};
    for (int event = 0; event < LedSequence::EventCount; ++event)
        firstRowBefore[event] = sequence.cell(0, event);
    openRow(2);
    clickEntry(m_operations, CopyToEntry);
    doubleClickLabel(20);
    QCOMPARE(sequence.lastEvent(), 20);
    clickEntry(m_copyRows, 0);
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(sequence.cell(0, event),
                 event <= 20 ? sequence.cell(2, event) : firstRowBefore[event]);
}

void RowOptionsUiTest::windowStaysUsableWhileListOpen()
{
    const LedSequence& sequence = (*m_window)->sequence();
    SequenceGrid* grid = (*m_window)->grid();
    const int before = sequence.cell(1, 30);
    openRow(0);
    TestWindow::click(grid, grid->cellCenter(1, 30));
    QCOMPARE(sequence.cell(1, 30), 1 - before);
    QVERIFY(m_operations->isVisible());
    clickEntry(m_operations, CancelEntry);
    QVERIFY(!m_operations->isVisible());
    QCOMPARE(sequence.cell(1, 30), 1 - before);
}

void RowOptionsUiTest::runningTestHeldWhileListOpen()
{
    TestPlayback& playback = (*m_window)->playback();
    playback.start();
    QVERIFY(!playback.isHeld());

    openRow(0);
    QVERIFY(playback.isHeld());
    clickEntry(m_operations, CopyFromEntry);
    QVERIFY(playback.isHeld());
    clickEntry(m_copyRows, CancelEntry);
    QVERIFY(!playback.isHeld());

    // A row button clicked again while open does not stack a second hold.
    openRow(1);
    openRow(3);
    clickEntry(m_operations, CancelEntry);
    QVERIFY(!playback.isHeld());
    QVERIFY(playback.isRunning());
}

QTEST_MAIN(RowOptionsUiTest)
#include "tst_rowoptions.moc"
