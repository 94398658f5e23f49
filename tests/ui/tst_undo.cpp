// SPDX-License-Identifier: MIT
#include "ClickableLabel.h"
#include "LampWidget.h"
#include "PaintStroke.h"
#include "PopupInput.h"
#include "SequenceFileWriter.h"
#include "SequenceGrid.h"
#include "TimeAxisWidget.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QUndoStack>

#include <functional>
#include <random>

// Undo and redo with real keys on the real window, and the grid's keyboard
// editing, all through the window's QWindow as the platform delivers input.
namespace {

constexpr int Leds = LedSequence::LedCount;
constexpr int Events = LedSequence::EventCount;

QByteArray savedBytes(WindowUnderTest& window)
{
    return SequenceFileWriter::encode(
        SequenceFile::capture(window.document().sequence(), window.settings()));
}

QWindow* handle(WindowUnderTest& window)
{
    return window.windowHandle();
}

void key(WindowUnderTest& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(handle(window), static_cast<Qt::Key>(key), modifiers);
}

// Shift held down over several keys, as a user's hand does it (QTest's own
// modifier clicks let Shift go after every key).
void withShiftHeld(WindowUnderTest& window, const QList<int>& keys)
{
    qt_handleKeyEvent(handle(window), QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    for (int k : keys) {
        qt_handleKeyEvent(handle(window), QEvent::KeyPress, k, Qt::ShiftModifier);
        qt_handleKeyEvent(handle(window), QEvent::KeyRelease, k, Qt::ShiftModifier);
        QCoreApplication::processEvents();
    }
    qt_handleKeyEvent(handle(window), QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
    QCoreApplication::processEvents();
}

void undoKey(WindowUnderTest& window)
{
    key(window, Qt::Key_Z, Qt::ControlModifier);
}

QPoint cellPoint(WindowUnderTest& window, int row, int column)
{
    SequenceGrid* grid = window.grid();
    return grid->mapTo(&window, grid->cellCenter(row, column));
}

// A mouse stroke through the centres of the given cells, one move per cell.
void mouseStroke(WindowUnderTest& window, const QList<QPoint>& cells)
{
    QTest::mousePress(handle(window), Qt::LeftButton, Qt::NoModifier,
                      cellPoint(window, cells.first().y(), cells.first().x()));
    for (const QPoint& cell : cells.mid(1))
        QTest::mouseMove(handle(window), cellPoint(window, cell.y(), cell.x()));
    QTest::mouseRelease(handle(window), Qt::LeftButton, Qt::NoModifier,
                        cellPoint(window, cells.last().y(), cells.last().x()));
}

void randomCells(WindowUnderTest& window, std::mt19937& random)
{
    SequenceSetUp sequence = window.setUp();
    for (int led = 0; led < Leds; ++led)
        for (int event = 0; event < Events; ++event)
            sequence->setCell(led, event, random() % 2);
}

using Edit = std::function<void(TestWindow&)>;

} // namespace

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    void everyEditUndoesAndRedoesByKeys_data();
    void everyEditUndoesAndRedoesByKeys();
    void dragStrokeIsOneStep();
    void undoWhileTestPlaysUpdatesLamps();
    void gridKeysMoveToggleAndJump();
    void shiftStrokePaintsLikeMouseDrag();
    void shiftStrokeIsOneStep();
};

void UndoTest::everyEditUndoesAndRedoesByKeys_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("redoKey");
    QTest::addColumn<int>("redoModifiers");
    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

    QTest::newRow("click a cell") << Edit([](TestWindow& w) {
        TestWindow::click(w->grid(), w->grid()->cellCenter(2, 7));
    }) << int(Qt::Key_Y) << ctrl;
    QTest::newRow("row option Mark All") << Edit([](TestWindow& w) {
        PopupInput::clickButton(w->rowOptionsButton(1));
        PopupInput::clickEntry(w->rowOptionsList(), 1);
    }) << int(Qt::Key_Z) << ctrlShift;
    QTest::newRow("colour") << Edit([](TestWindow& w) {
        TestWindow::click(w->ledLabel(3), w->ledLabel(3)->rect().center());
        PopupInput::clickEntry(w->colorList(), 2);
    }) << int(Qt::Key_Y) << ctrl;
    QTest::newRow("servo mode") << Edit([](TestWindow& w) {
        w->servoControl(0)->setCurrentIndex(4);
        emit w->servoControl(0)->activated(4);
    }) << int(Qt::Key_Z) << ctrlShift;
    QTest::newRow("end marker") << Edit([](TestWindow& w) {
        QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           w->timeAxis()->mapTo(&w.window(), w->timeAxis()->labelCenter(20)));
    }) << int(Qt::Key_Y) << ctrl;
    QTest::newRow("New/Clear") << Edit([](TestWindow& w) { w->menuNew()->trigger(); })
                               << int(Qt::Key_Z) << ctrlShift;
}

// Each edit, made the user's way on an edited sequence, is undone by Ctrl+Z to
// the exact bytes Save would have written before it, and redone by either key.
void UndoTest::everyEditUndoesAndRedoesByKeys()
{
    QFETCH(Edit, edit);
    QFETCH(int, redoKey);
    QFETCH(int, redoModifiers);
    TestWindow w;
    std::mt19937 random(7);
    randomCells(w.window(), random);
    w->setUp()->setLedColor(3, 5);
    w->setUp()->setLastEvent(33);
    w->document().setCaption(QStringLiteral("STROBIX - show.dat"));
    const QByteArray before = savedBytes(w.window());
    const QString captionBefore = w->windowTitle();

    edit(w);
    const QByteArray after = savedBytes(w.window());
    const QString captionAfter = w->windowTitle();
    QVERIFY(after != before || captionAfter != captionBefore);
    QCOMPARE(w->document().undoStack().count(), 1);

    undoKey(w.window());
    QCOMPARE(savedBytes(w.window()), before);
    QCOMPARE(w->windowTitle(), captionBefore);
    key(w.window(), redoKey, Qt::KeyboardModifiers(redoModifiers));
    QCOMPARE(savedBytes(w.window()), after);
    QCOMPARE(w->windowTitle(), captionAfter);
}

void UndoTest::dragStrokeIsOneStep()
{
    TestWindow w;
    w->setUp()->setCell(1, 10, 1);
    QList<QPoint> path;
    for (int column = 10; column <= 30; ++column)
        path << QPoint(column, 1);
    mouseStroke(w.window(), path);
    for (int column = 10; column <= 30; ++column)
        QCOMPARE(w->sequence().cell(1, column), 1);
    QCOMPARE(w->document().undoStack().count(), 1);

    undoKey(w.window());
    for (int column = 11; column <= 30; ++column)
        QCOMPARE(w->sequence().cell(1, column), 0);
    QCOMPARE(w->sequence().cell(1, 10), 1);
    QVERIFY(!w->undoAction()->isEnabled());
    QVERIFY(w->redoAction()->isEnabled());
}

// The lamps show the sequence as it stands, so an undo shows at the next pass.
void UndoTest::undoWhileTestPlaysUpdatesLamps()
{
    TestWindow w;
    w->settings().setPcSpeed(1);
    w->setUp()->setLastEvent(3);
    TestWindow::click(w->grid(), w->grid()->cellCenter(0, 2)); // LED#1 lit at event 2
    w->menuTest()->trigger();
    QVERIFY(w->playback().isRunning());
    QTRY_VERIFY(w->timeAxis()->highlightedEvent() == 2
                && w->lamp(0)->fillColor() != QColor(Qt::black));

    undoKey(w.window());
    QCOMPARE(w->sequence().cell(0, 2), 0);
    QVERIFY(w->playback().isRunning());
    QTRY_VERIFY(w->timeAxis()->highlightedEvent() == 2
                && w->lamp(0)->fillColor() == QColor(Qt::black));
    w->menuTest()->trigger();
}

void UndoTest::gridKeysMoveToggleAndJump()
{
    TestWindow w;
    SequenceGrid* grid = w->grid();
    TestWindow::click(grid, grid->cellCenter(1, 5)); // click: cursor there, and toggled
    QCOMPARE(w->sequence().cell(1, 5), 1);
    QVERIFY(grid->hasFocus());
    QCOMPARE(QPoint(grid->cursorColumn(), grid->cursorRow()), QPoint(5, 1));

    struct Step {
        int key;
        int row;
        int column;
    };
    const Step steps[] = {{Qt::Key_Right, 1, 6}, {Qt::Key_Down, 2, 6}, {Qt::Key_Down, 3, 6},
                          {Qt::Key_Down, 3, 6},  {Qt::Key_End, 3, 49}, {Qt::Key_Right, 3, 49},
                          {Qt::Key_Up, 2, 49},   {Qt::Key_Home, 2, 0}, {Qt::Key_Left, 2, 0},
                          {Qt::Key_Up, 1, 0},    {Qt::Key_Up, 0, 0},   {Qt::Key_Up, 0, 0}};
    const QByteArray unchanged = savedBytes(w.window());
    for (const Step& step : steps) {
        key(w.window(), step.key);
        QCOMPARE(QPoint(grid->cursorColumn(), grid->cursorRow()), QPoint(step.column, step.row));
    }
    QCOMPARE(savedBytes(w.window()), unchanged); // moving alone edits nothing

    key(w.window(), Qt::Key_Space);
    QCOMPARE(w->sequence().cell(0, 0), 1);
    key(w.window(), Qt::Key_Space);
    QCOMPARE(w->sequence().cell(0, 0), 0);
    QCOMPARE(w->document().undoStack().count(), 3); // the click and two Spaces
}

// A Shift+arrow stroke paints exactly what a mouse drag along the same cells
// paints, but for the mouse's fill of the release row on letting go.
void UndoTest::shiftStrokePaintsLikeMouseDrag()
{
    std::mt19937 random(2024);
    for (int round = 0; round < 25; ++round) {
        const unsigned seed = random();
        std::mt19937 cells(seed);
        TestWindow byMouse;
        randomCells(byMouse.window(), cells);
        cells.seed(seed);
        TestWindow byKeys;
        randomCells(byKeys.window(), cells);

        QPoint at(int(random() % Events), int(random() % Leds));
        const int startColumn = at.x();
        QList<QPoint> path{at};
        QList<int> keys;
        for (int step = int(random() % 12) + 1; step > 0; --step) {
            const int k = int(random() % 4);
            const QPoint delta = QList<QPoint>{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}[k];
            const QPoint next = at + delta;
            if (next.x() < 0 || next.x() >= Events || next.y() < 0 || next.y() >= Leds)
                continue;
            at = next;
            path << at;
            keys << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}[k];
        }
        if (path.size() < 2)
            continue;
        mouseStroke(byMouse.window(), path);

        byKeys->grid()->setFocus();
        byKeys->grid()->setCursorCell(path.first().y(), path.first().x());
        withShiftHeld(byKeys.window(), keys);
        SequenceDocument& document = byKeys->document();
        document.beginStroke();
        for (const RowOperations::CellWrite& write : PaintStroke::releaseFill(
                 document.sequence(), path.last().y(), startColumn, path.last().x()))
            document.paintCell(write.led, write.event, write.value);
        document.endStroke();

        QVERIFY2(savedBytes(byKeys.window()) == savedBytes(byMouse.window()),
                 qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
}

void UndoTest::shiftStrokeIsOneStep()
{
    TestWindow w;
    SequenceGrid* grid = w->grid();
    w->setUp()->setCell(2, 10, 1);
    w->setUp()->setCell(2, 0, 1);
    grid->setFocus();
    grid->setCursorCell(2, 10);
    QList<int> keys(8, Qt::Key_Right);
    keys << Qt::Key_End;
    withShiftHeld(w.window(), keys);
    for (int column = 10; column < Events; ++column)
        QCOMPARE(w->sequence().cell(2, column), 1);
    QCOMPARE(w->document().undoStack().count(), 1);

    // Shift let go and pressed again: a new stroke, from the new place.
    key(w.window(), Qt::Key_Home);
    withShiftHeld(w.window(), {Qt::Key_Right});
    QCOMPARE(w->sequence().cell(2, 1), 1);
    QCOMPARE(w->document().undoStack().count(), 2);

    undoKey(w.window());
    undoKey(w.window());
    QCOMPARE(w->sequence().cell(2, 1), 0);
    for (int column = 11; column < Events; ++column)
        QCOMPARE(w->sequence().cell(2, column), 0);
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
