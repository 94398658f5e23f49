// SPDX-License-Identifier: MIT
#include "SequenceGrid.h"
#include "TestWindow.h"

#include <QTest>

// Drives the grid with real mouse events delivered through the window, the way
// a user's clicks and drags arrive.
class TestCellEditing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void clickTogglesAndUpdatesMem_data();
    void clickTogglesAndUpdatesMem();
    void clickAnywhereInTheCellSlot_data();
    void clickAnywhereInTheCellSlot();
    void rightClickDoesNotToggle();
    void dragPaintsStartValue_data();
    void dragPaintsStartValue();
    void dragIntoAnotherRowUsesThatRowsStartCell();
    void fastStrokeLeavesNoGaps();
    void releaseInAnotherRowFillsFromDragStart();
    void dragLeftwardsPaintsOnlyCrossedCells();

private:
    QPoint at(int row, int column) const;
    void press(int row, int column, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(int row, int column);
    void release(int row, int column, Qt::MouseButton button = Qt::LeftButton);
    int cell(int row, int column) { return m_window->window().sequence().cell(row, column); }

    std::unique_ptr<TestWindow> m_window;
    QWindow* m_handle = nullptr;
};

void TestCellEditing::init()
{
    m_window = std::make_unique<TestWindow>();
    m_handle = m_window->window().windowHandle();
}

void TestCellEditing::cleanup()
{
    m_window.reset();
}

QPoint TestCellEditing::at(int row, int column) const
{
    SequenceGrid* grid = m_window->window().grid();
    return grid->mapTo(grid->window(), grid->cellCenter(row, column));
}

void TestCellEditing::press(int row, int column, Qt::MouseButton button)
{
    QTest::mousePress(m_handle, button, Qt::NoModifier, at(row, column));
}

void TestCellEditing::moveTo(int row, int column)
{
    QTest::mouseMove(m_handle, at(row, column));
}

void TestCellEditing::release(int row, int column, Qt::MouseButton button)
{
    QTest::mouseRelease(m_handle, button, Qt::NoModifier, at(row, column));
}

void TestCellEditing::clickTogglesAndUpdatesMem_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("memAfterFirst");
    QTest::addColumn<QString>("memAfterSecond");
    // LED#1 is lit at column 3 beforehand.
    QTest::newRow("LED#2 beside LED#1") << 1 << 3 << "3"
                                        << "1";
    QTest::newRow("LED#1 itself") << 0 << 3 << "0"
                                  << "1";
    QTest::newRow("LED#4 alone") << 3 << 40 << "8"
                                 << "0";
    QTest::newRow("first column") << 2 << 0 << "4"
                                  << "0";
    QTest::newRow("last column") << 3 << 49 << "8"
                                 << "0";
}

void TestCellEditing::clickTogglesAndUpdatesMem()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, memAfterFirst);
    QFETCH(QString, memAfterSecond);
    m_window->window().setUp()->setCell(0, 3, 1);

    press(row, column);
    release(row, column);
    QCOMPARE(m_window->window().sequence().mem(column), memAfterFirst);
    QCOMPARE(m_window->window().grid()->dragStart(), column);

    press(row, column);
    release(row, column);
    QCOMPARE(m_window->window().sequence().mem(column), memAfterSecond);
}

void TestCellEditing::clickAnywhereInTheCellSlot_data()
{
    QTest::addColumn<QPoint>("offset"); // from the cell's centre
    QTest::newRow("centre") << QPoint(0, 0);
    QTest::newRow("left edge of slot") << QPoint(-4, 0);
    QTest::newRow("below the box") << QPoint(0, 9);
    QTest::newRow("above the box") << QPoint(0, -6);
}

void TestCellEditing::clickAnywhereInTheCellSlot()
{
    QFETCH(QPoint, offset);
    const QPoint point = at(2, 17) + offset;
    QTest::mousePress(m_handle, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(m_handle, Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(cell(2, 17), 1);
    QCOMPARE(m_window->window().sequence().eventValue(17), 4);
}

void TestCellEditing::rightClickDoesNotToggle()
{
    press(1, 5, Qt::RightButton);
    release(1, 5, Qt::RightButton);
    QCOMPARE(cell(1, 5), 0);
    QCOMPARE(m_window->window().grid()->dragStart(), 5);
}

void TestCellEditing::dragPaintsStartValue_data()
{
    QTest::addColumn<int>("startValue");
    QTest::addColumn<int>("othersBefore");
    QTest::newRow("lit start paints lit") << 1 << 0;
    QTest::newRow("dark start paints dark") << 0 << 1;
}

void TestCellEditing::dragPaintsStartValue()
{
    QFETCH(int, startValue);
    QFETCH(int, othersBefore);
    const LedSequence& sequence = m_window->window().sequence();
    for (int column = 9; column <= 16; ++column)
        m_window->window().setUp()->setCell(0, column, othersBefore);
    m_window->window().setUp()->setCell(0, 10, startValue);

    press(0, 10);
    for (int column = 11; column <= 14; ++column) {
        moveTo(0, column);
        // Each cell changes as the pointer reaches it, not later.
        QCOMPARE(cell(0, column), startValue);
        QCOMPARE(sequence.mem(column), QString::number(startValue));
        QCOMPARE(cell(0, column + 1), othersBefore);
    }
    release(0, 14);
    QCOMPARE(cell(0, 10), startValue); // a drag does not toggle the pressed cell
    QCOMPARE(cell(0, 9), othersBefore);
    QCOMPARE(cell(0, 15), othersBefore);
}

void TestCellEditing::dragIntoAnotherRowUsesThatRowsStartCell()
{
    const LedSequence& sequence = m_window->window().sequence();
    m_window->window().setUp()->setCell(0, 5, 1); // LED#1 lit at the start column
    m_window->window().setUp()->setCell(1, 7, 1); // LED#2 dark at column 5, lit further on

    press(0, 5);
    moveTo(1, 5);
    moveTo(1, 6);
    moveTo(1, 7);
    release(1, 7);

    QCOMPARE(cell(1, 5), 0);
    QCOMPARE(cell(1, 6), 0);
    QCOMPARE(cell(1, 7), 0); // painted with LED#2's own column-5 value
    QCOMPARE(cell(0, 5), 1);
    QCOMPARE(sequence.mem(7), QStringLiteral("0"));
}

void TestCellEditing::fastStrokeLeavesNoGaps()
{
    m_window->window().setUp()->setCell(2, 10, 1);
    press(2, 10);
    moveTo(2, 30); // one move event for twenty cells
    release(2, 30);
    for (int column = 10; column <= 30; ++column)
        QCOMPARE(cell(2, column), 1);
    QCOMPARE(cell(2, 31), 0);
    QCOMPARE(cell(2, 9), 0);
}

void TestCellEditing::releaseInAnotherRowFillsFromDragStart()
{
    const LedSequence& sequence = m_window->window().sequence();
    m_window->window().setUp()->setCell(3, 10, 1);
    press(0, 10);
    release(3, 20);
    // No move came between press and release; the release alone still fills
    // LED#4's columns 11..20 with its column-10 value.
    for (int column = 11; column <= 20; ++column) {
        QCOMPARE(cell(3, column), 1);
        QCOMPARE(sequence.mem(column), QStringLiteral("8"));
    }
    QCOMPARE(cell(3, 21), 0);
}

void TestCellEditing::dragLeftwardsPaintsOnlyCrossedCells()
{
    m_window->window().setUp()->setCell(1, 20, 1);
    press(1, 20);
    moveTo(1, 19);
    moveTo(1, 17);
    release(1, 17);
    for (int column = 17; column <= 20; ++column)
        QCOMPARE(cell(1, column), 1);
    QCOMPARE(cell(1, 16), 0);
    QCOMPARE(cell(1, 21), 0); // a release left of the start writes nothing more
}

QTEST_MAIN(TestCellEditing)
#include "tst_cellediting.moc"
