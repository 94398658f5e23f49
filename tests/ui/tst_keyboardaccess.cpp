// SPDX-License-Identifier: MIT
// The window by keyboard alone, and what assistive tools (screen readers) are
// told about it, through QAccessible as they would ask.

#include "ClickableLabel.h"
#include "GridAccessible.h"
#include "LampWidget.h"
#include "PaletteTones.h"
#include "PopupInput.h"
#include "SequenceDocument.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

#include <QWheelEvent>

#include <cmath>

namespace {

QAccessibleInterface* accessibleOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// How far apart two colours are in lightness (0..255); text needs about 100.
int contrast(const QColor& a, const QColor& b)
{
    return qAbs(a.lightness() - b.lightness());
}

// Window, buttons and base dark; Qt derives light text for it.
QPalette darkPalette()
{
    return QPalette(QColor(53, 53, 53));
}

void wheelOver(QWidget* widget, int delta)
{
    const QPointF at = widget->rect().center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

int distance(const QColor& a, const QColor& b)
{
    const int red = a.red() - b.red();
    const int green = a.green() - b.green();
    const int blue = a.blue() - b.blue();
    return int(std::sqrt(red * red + green * green + blue * blue));
}

// The grid as drawn: an unlit box's outline and a lit cell stand out from the
// box face, and the cursor from both, on a lit cell as on a dark one.
void verifyGridStandsOut(WindowUnderTest& window)
{
    SequenceGrid* grid = window.grid();
    window.setUp()->setCell(0, 1, 1);
    grid->setFocus();
    grid->setCursorCell(0, 1);
    QTRY_VERIFY(grid->hasFocus());
    const QImage image = grid->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    auto pixel = [&](QPoint at) { return image.pixelColor((QPointF(at) * ratio).toPoint()); };
    const QRect unlit = grid->cellRect(2, 5);
    const int side = std::min(unlit.width(), unlit.height()) - 1;
    const QPoint boxTopLeft(unlit.left(), unlit.top() + (unlit.height() - side) / 2);
    const QColor face = pixel(boxTopLeft + QPoint(side / 4, side / 4 - 1));
    const QColor frame = pixel(boxTopLeft + QPoint(0, side / 2));
    const QColor lit = pixel(grid->cellRect(0, 1).center());
    const QRect cursorCell = grid->cellRect(0, 1);
    const QColor cursor = pixel(QPoint(cursorCell.center().x(), cursorCell.bottom() - 1));
    QVERIFY2(contrast(frame, face) >= 60,
             qPrintable(frame.name() + QLatin1Char('/') + face.name()));
    QVERIFY2(contrast(lit, face) >= 120, qPrintable(lit.name() + QLatin1Char('/') + face.name()));
    QVERIFY2(distance(cursor, face) >= 80 && distance(cursor, lit) >= 80
                 && distance(cursor, window.palette().color(QPalette::Window)) >= 80,
             qPrintable(cursor.name()));
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamedAndDescribed();
    void tabFollowsReadingOrder();
    void timeAxisKeysMoveTheEndMarker();
    void onlyFocusedServoListTakesTheWheel();
    void popupListsFromTheKeyboard_data();
    void popupListsFromTheKeyboard();
    void gridCellsAreAccessibleItems();
    void fixedColoursStayReadable_data();
    void fixedColoursStayReadable();
};

void KeyboardAccessTest::everyControlIsNamedAndDescribed()
{
    TestWindow test;
    QList<QWidget*> controls =
        test->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    SettingsDialog& dialog = test->settingsCommand()->dialog();
    controls << dialog.commPortCombo() << dialog.pcSpeedCombo() << dialog.picSpeedCombo()
             << dialog.okButton() << dialog.cancelButton();
    QVERIFY(controls.size() >= 40); // 35 on the form, 5 in the dialog
    QSet<QString> names;
    for (QWidget* control : controls) {
        QAccessibleInterface* accessible = accessibleOf(control);
        QVERIFY(accessible);
        // On Linux Qt reports a drop-down list's current entry as its name and
        // hands over the list's own name separately.
        const QString name = qobject_cast<QComboBox*>(control)
                                 ? control->accessibleName()
                                 : accessible->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(),
                 qPrintable(control->objectName()));
        // Alike controls of different LEDs are told apart by name.
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
}

void KeyboardAccessTest::tabFollowsReadingOrder()
{
    TestWindow test;
    QList<QWidget*> expected{test->timeAxis()};
    for (int led = 0; led < LedSequence::LedCount; ++led)
        expected << test->rowOptionsButton(led);
    for (int led = 0; led < LedSequence::LedCount; ++led)
        expected << test->ledLabel(led);
    for (int led = 0; led < LedSequence::LedCount; ++led)
        expected << test->servoControl(led);
    expected << test->openButton() << test->testButton() << test->downloadButton()
             << test->saveButton() << test->settingsButton() << test->exitButton();

    test->timeAxis()->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(test->windowHandle(), Qt::Key_Tab);
        QVERIFY2(test->focusWidget() == expected[i], qPrintable(expected[i]->objectName()));
    }
}

// A seeded random series of keys on the focused time axis against a model:
// the arrows and Home/End move the focused label within the axis; Enter,
// Return and Space move the end marker there, exactly as a double-click does.
// Assistive tools see the focused label as the focused child, and which label
// is the end marker. (Whether moves are announced cannot be seen here: without
// a platform bridge QAccessible stays inactive.)
void KeyboardAccessTest::timeAxisKeysMoveTheEndMarker()
{
    TestWindow test;
    TimeAxisWidget* axis = test->timeAxis();
    QAccessibleInterface* accessible = accessibleOf(axis);
    QCOMPARE(accessible->childCount(), 50);
    QSignalSpy doubleClicked(axis, &TimeAxisWidget::doubleClicked);
    test->setUp()->setLastEvent(20);
    test->exitButton()->setFocus();
    axis->setFocus(Qt::TabFocusReason);
    QCOMPARE(axis->focusedEvent(), 20); // the keyboard starts at the marker

    const std::array<Qt::Key, 8> keys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Left,  Qt::Key_Right,
                                      Qt::Key_Home, Qt::Key_End,   Qt::Key_Space, Qt::Key_Return};
    QRandomGenerator random(4711);
    int focused = 20;
    int marker = 20;
    int presses = 0;
    for (int step = 0; step < 400; ++step) {
        const Qt::Key key = keys[random.bounded(int(keys.size()))];
        const int repeat = key == Qt::Key_Left || key == Qt::Key_Right ? 1 + random.bounded(8) : 1;
        for (int i = 0; i < repeat; ++i)
            QTest::keyClick(test->windowHandle(), key);
        switch (key) {
        case Qt::Key_Left:
            focused = std::max(focused - repeat, 0);
            break;
        case Qt::Key_Right:
            focused = std::min(focused + repeat, 49);
            break;
        case Qt::Key_Home:
            focused = 0;
            break;
        case Qt::Key_End:
            focused = 49;
            break;
        default:
            marker = focused;
            ++presses;
        }
        QCOMPARE(axis->focusedEvent(), focused);
        QCOMPARE(test->sequence().lastEvent(), marker);
        QCOMPARE(axis->markedEvent(), marker);
        QCOMPARE(accessible->focusChild(), accessible->child(focused));
        QCOMPARE(accessible->child(marker)->text(QAccessible::Name),
                 QStringLiteral("Event %1, end marker").arg(marker + 1));
    }
    QCOMPARE(doubleClicked.count(), presses);
    QVERIFY(presses > 20);
    const int other = marker == 9 ? 10 : 9;
    QCOMPARE(accessible->child(other)->text(QAccessible::Name),
             QStringLiteral("Event %1").arg(other + 1));
    accessible->child(other)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCOMPARE(test->sequence().lastEvent(), other);
}

void KeyboardAccessTest::popupListsFromTheKeyboard_data()
{
    // Keys after Space on the focused opener (the LED#3 name or the LED#3 row
    // button); Down/Up move, Enter picks, Escape closes. "copy" is the row
    // copied from: -1 for none.
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("colourAfter");
    QTest::addColumn<bool>("markAll");
    QTest::addColumn<int>("copy");
    const int down = Qt::Key_Down, up = Qt::Key_Up, enter = Qt::Key_Return, esc = Qt::Key_Escape;
    QTest::newRow("colour: arrows move, Enter picks")
        << true << QList<int>{down, down, down, up, enter} << 6 << false << -1;
    QTest::newRow("colour: Escape chooses nothing")
        << true << QList<int>{down, esc} << 4 << false << -1;
    QTest::newRow("row: Mark All") << false << QList<int>{down, enter} << 4 << true << -1;
    QTest::newRow("row: Escape does nothing") << false << QList<int>{down, esc} << 4 << false << -1;
    QTest::newRow("copy: Enter alone picks nothing, then LED #2")
        << false << QList<int>{down, down, down, enter, enter, enter, down, down, enter} << 4
        << false << 1;
    QTest::newRow("copy: Escape leaves the copy undone")
        << false << QList<int>{down, down, down, enter, down, esc} << 4 << false << -1;
}

void KeyboardAccessTest::popupListsFromTheKeyboard()
{
    QFETCH(bool, colour);
    QFETCH(QList<int>, keys);
    QFETCH(int, colourAfter);
    QFETCH(bool, markAll);
    QFETCH(int, copy);
    TestWindow test;
    const LedSequence& sequence = test->sequence();
    test->setUp()->setLedColor(2, 4);
    test->setUp()->setLastEvent(29);
    for (int event = 0; event < 50; event += 3)
        test->setUp()->setCell(1, event, 1);
    test->playback().start();
    QWidget* opener = colour ? static_cast<QWidget*>(test->ledLabel(2))
                             : static_cast<QWidget*>(test->rowOptionsButton(2));
    QListWidget* list = colour ? test->colorList() : test->rowOptionsList();
    opener->setFocus(Qt::TabFocusReason);
    PopupInput::pressKey(opener, Qt::Key_Space);
    QVERIFY(list->isVisible());
    QVERIFY(test->playback().isHeld());
    for (int key : keys) {
        // While a list is open, nothing has changed yet.
        QCOMPARE(sequence.ledColor(2), 4);
        QCOMPARE(sequence.cell(2, 0), 0);
        PopupInput::pressKey(opener, Qt::Key(key));
    }

    for (QListWidget* popup : {test->colorList(), test->rowOptionsList(), test->copyList()})
        QVERIFY2(!popup->isVisible(), qPrintable(popup->objectName()));
    QVERIFY(!test->playback().isHeld());
    QCOMPARE(test->focusWidget(), opener);
    QCOMPARE(sequence.ledColor(2), colourAfter);
    for (int event = 0; event < 50; ++event) {
        const int copied = copy >= 0 && event <= 29 ? sequence.cell(copy, event) : 0;
        QCOMPARE(sequence.cell(2, event), markAll && event <= 29 ? 1 : copied);
    }
    if (copy >= 0)
        QCOMPARE(sequence.cell(2, 3), 1);
}

// A seeded random series of edits: every cell's name and checked state
// follow the sequence, and the focused child follows the cursor.
void KeyboardAccessTest::gridCellsAreAccessibleItems()
{
    TestWindow test;
    SequenceGrid* grid = test->grid();
    QAccessibleInterface* accessible = accessibleOf(grid);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Sequence grid"));
    QCOMPARE(accessible->childCount(), 200);

    QRandomGenerator random(9001);
    test->exitButton()->setFocus();
    QVERIFY(!accessible->focusChild());
    grid->setFocus(Qt::TabFocusReason);
    const std::array<Qt::Key, 5> keys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                      Qt::Key_Space};
    for (int step = 0; step < 150; ++step) {
        if (random.bounded(4) == 0)
            test->document().toggleCell(random.bounded(4), random.bounded(50));
        QTest::keyClick(test->windowHandle(), keys[random.bounded(int(keys.size()))]);
        const int cursor = GridAccessible::itemOf(grid->cursorRow(), grid->cursorColumn());
        QCOMPARE(accessible->focusChild(), accessible->child(cursor));
        QVERIFY(accessible->child(cursor)->state().focused);
    }
    const LedSequence& sequence = test->sequence();
    for (int led = 0; led < 4; ++led)
        for (int event = 0; event < 50; ++event) {
            QAccessibleInterface* cell = accessible->child(GridAccessible::itemOf(led, event));
            const bool on = sequence.cell(led, event) != 0;
            QCOMPARE(cell->text(QAccessible::Name),
                     QStringLiteral("LED#%1, event %2, %3")
                         .arg(led + 1)
                         .arg(event + 1)
                         .arg(on ? QStringLiteral("on") : QStringLiteral("off")));
            QCOMPARE(bool(cell->state().checked), on);
            const QPoint centre = grid->mapToGlobal(grid->cellCenter(led, event));
            QCOMPARE(accessible->childAt(centre.x(), centre.y()), cell);
        }

    // Pressing a cell toggles it, as one undoable edit.
    QAccessibleInterface* cell = accessible->child(GridAccessible::itemOf(3, 40));
    const int before = sequence.cell(3, 40);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(sequence.cell(3, 40), 1 - before);
    QVERIFY(cell->state().checked != bool(before));
    QTest::keyClick(test->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(sequence.cell(3, 40), before);
}

// A wheel turned over a servo list changes its mode only when the list has the focus.
void KeyboardAccessTest::onlyFocusedServoListTakesTheWheel()
{
    TestWindow test;
    QComboBox* servo = test->servoControl(1);
    const int before = test->sequence().servoMode(1);
    test->openButton()->setFocus();
    wheelOver(servo, -120);
    wheelOver(servo, 120 * 3);
    QCOMPARE(servo->currentIndex(), before);
    QCOMPARE(test->sequence().servoMode(1), before);
    QVERIFY(!servo->hasFocus()); // nor does the wheel take the focus

    servo->setFocus(Qt::TabFocusReason);
    wheelOver(servo, 120);
    QVERIFY(servo->currentIndex() != before);
    QCOMPARE(test->sequence().servoMode(1), servo->currentIndex());
}

void KeyboardAccessTest::fixedColoursStayReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

// Text drawn in the window's own fixed colours keeps a readable contrast to
// what it is drawn on, whatever the palette.
void KeyboardAccessTest::fixedColoursStayReadable()
{
    QFETCH(bool, dark);
    const QPalette original = QApplication::palette();
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(fusion);
    QApplication::setPalette(dark ? darkPalette() : fusion->standardPalette());
    {
        TestWindow test;
        constexpr int Readable = 90; // large or bold text
        const QColor window = test->palette().color(QPalette::Window);
        auto ownContrast = [](const QLabel* label) {
            return contrast(label->palette().color(QPalette::WindowText),
                            label->palette().color(QPalette::Window));
        };
        QCOMPARE(PaletteTones::isDark(test->palette()), dark);
        TimeAxisWidget* axis = test->timeAxis();
        test->setUp()->setLastEvent(30);
        QVERIFY(contrast(axis->textColor(3), axis->backgroundColor(3)) >= 120);
        QVERIFY(contrast(axis->textColor(30), axis->backgroundColor(30)) >= Readable);
        QVERIFY(ownContrast(test->findChild<QLabel*>(QLatin1String(ObjectNames::ServoHeading)))
                >= 120);
        QVERIFY(ownContrast(test->servoHint()) >= 120);
        QVERIFY(contrast(test->pulseWidth()->palette().color(QPalette::WindowText), window)
                >= Readable);
        QCOMPARE(test->pulseWidthLabel2()->text(), QStringLiteral("\u00b5s"));
        // An unlit lamp is black: it shows by itself on a light window, by its ring on a dark one.
        const QColor ring = PaletteTones::lampRing(test->lamp(0)->palette());
        QVERIFY(contrast(ring, Qt::black) >= Readable);
        QVERIFY(contrast(ring, window) >= Readable || contrast(Qt::black, window) >= Readable);
        verifyGridStandsOut(test.window());

        // A palette changed while the window is open is followed too.
        QApplication::setPalette(dark ? fusion->standardPalette() : darkPalette());
        QTRY_COMPARE(PaletteTones::isDark(test->palette()), !dark);
        QVERIFY(contrast(test->pulseWidth()->palette().color(QPalette::WindowText),
                         test->palette().color(QPalette::Window))
                >= Readable);
        QVERIFY(contrast(axis->textColor(3), axis->backgroundColor(3)) >= 120);
    }
    QApplication::setPalette(original);
}

QTEST_MAIN(KeyboardAccessTest)
#include "tst_keyboardaccess.moc"
