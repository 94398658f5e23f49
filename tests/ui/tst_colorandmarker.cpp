// SPDX-License-Identifier: MIT
#include "BgrColor.h"
#include "ClickableLabel.h"
#include "PopupInput.h"
#include "ScriptedPrompts.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"

#include <QListWidget>
#include <QTest>

using namespace PopupInput;

class ColorAndMarkerUiTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void doubleClickOnEntryActsOnlyOnTheList_data();
    void doubleClickOnEntryActsOnlyOnTheList();

    void mouseChoiceColoursLabel_data();
    void mouseChoiceColoursLabel();
    void opensOnCurrentColourWithoutChoosing();
    void choiceWaitsForMouseRelease();
    void keyboardSelectionChangeChooses_data();
    void keyboardSelectionChangeChooses();
    void noCancel();
    void secondLabelJoinsTheChoice();
    void runningTestHeldWhileListOpen();

    void doubleClickMovesMarker_data();
    void doubleClickMovesMarker();
    void singleClickLeavesMarker();

private:
    void openFor(int led);
    QColor labelColor(int led) const;
    void doubleClickAxis(int event);

    std::unique_ptr<TestWindow> m_window;
    QListWidget* m_list = nullptr;
};

void ColorAndMarkerUiTest::init()
{
    m_window = std::make_unique<TestWindow>();
    m_list = (*m_window)->colorList();
}

void ColorAndMarkerUiTest::cleanup()
{
    QVERIFY(m_window->prompts().unexpected.isEmpty());
    m_window.reset();
}

void ColorAndMarkerUiTest::openFor(int led)
{
    ClickableLabel* label = (*m_window)->ledLabel(led);
    TestWindow::click(label, label->rect().center());
    QVERIFY(m_list->isVisible());
}

QColor ColorAndMarkerUiTest::labelColor(int led) const
{
    return (*m_window)->ledLabel(led)->palette().color(QPalette::WindowText);
}

void ColorAndMarkerUiTest::doubleClickAxis(int event)
{
    TimeAxisWidget* axis = (*m_window)->timeAxis();
    QTest::mouseDClick((*m_window)->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       axis->mapTo(&m_window->window(), axis->labelCenter(event)));
}

void ColorAndMarkerUiTest::mouseChoiceColoursLabel_data()
{
    QTest::addColumn<int>("led");
    QTest::addColumn<int>("color");
    QTest::newRow("LED#3 Red") << 2 << 1;
    QTest::newRow("LED#1 Black") << 0 << 0;
    QTest::newRow("LED#4 Cyan") << 3 << 6;
    QTest::newRow("LED#2 White, already selected") << 1 << 7;
}

void ColorAndMarkerUiTest::mouseChoiceColoursLabel()
{
    QFETCH(int, led);
    QFETCH(int, color);
    const LedSequence& sequence = (*m_window)->sequence();

    openFor(led);
    QCOMPARE(m_list->currentRow(), ColorTable::White);
    clickEntry(m_list, color);

    QVERIFY(!m_list->isVisible());
    for (int other = 0; other < LedSequence::LedCount; ++other) {
        const int expected = other == led ? color : ColorTable::White;
        QCOMPARE(sequence.ledColor(other), expected);
        QCOMPARE(labelColor(other), bgrToQColor(ColorTable::colorValue(expected)));
    }
}

void ColorAndMarkerUiTest::opensOnCurrentColourWithoutChoosing()
{
    const LedSequence& sequence = (*m_window)->sequence();
    (*m_window)->setUp()->setLedColor(1, 4); // Blue
    openFor(1);
    QCOMPARE(m_list->currentRow(), 4);
    QVERIFY(m_list->currentItem()->isSelected());
    // Selecting the LED's own colour on opening is no choice: the list waits.
    QVERIFY(m_list->isVisible());

    // Opening for another LED shows that LED's colour, still without choosing.
    openFor(0);
    QCOMPARE(m_list->currentRow(), ColorTable::White);
    QVERIFY(m_list->isVisible());
    QCOMPARE(sequence.ledColor(1), 4);
}

// The choice closes the list; on the press it would leave the release to
// whatever lies beneath the list (the grid).
void ColorAndMarkerUiTest::choiceWaitsForMouseRelease()
{
    openFor(0);
    QWindow* handle = (*m_window)->windowHandle();
    const QPoint at = m_list->viewport()->mapTo(&m_window->window(),
                                                m_list->visualItemRect(m_list->item(2)).center());
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(m_list->isVisible());
    QCOMPARE((*m_window)->sequence().ledColor(0), ColorTable::White);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(!m_list->isVisible());
    QCOMPARE((*m_window)->sequence().ledColor(0), 2);
    for (int led = 0; led < LedSequence::LedCount; ++led)
        for (int event = 0; event < LedSequence::EventCount; ++event)
            QCOMPARE((*m_window)->sequence().cell(led, event), 0);
}

void ColorAndMarkerUiTest::keyboardSelectionChangeChooses_data()
{
    QTest::addColumn<int>("startColor");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("chosen");
    QTest::newRow("Up from White") << 7 << int(Qt::Key_Up) << 6;
    QTest::newRow("Down from Red") << 1 << int(Qt::Key_Down) << 2;
    QTest::newRow("Home from Blue") << 4 << int(Qt::Key_Home) << 0;
    QTest::newRow("Enter keeps Green") << 2 << int(Qt::Key_Return) << 2;
}

void ColorAndMarkerUiTest::keyboardSelectionChangeChooses()
{
    QFETCH(int, startColor);
    QFETCH(int, key);
    QFETCH(int, chosen);
    const LedSequence& sequence = (*m_window)->sequence();
    (*m_window)->setUp()->setLedColor(2, startColor);

    openFor(2);
    pressKey(m_list, Qt::Key(key));

    QVERIFY(!m_list->isVisible());
    QCOMPARE(sequence.ledColor(2), chosen);
    QCOMPARE(labelColor(2), bgrToQColor(ColorTable::colorValue(chosen)));
}

void ColorAndMarkerUiTest::noCancel()
{
    openFor(3);
    pressKey(m_list, Qt::Key_Escape);
    QVERIFY(m_list->isVisible());
    QCOMPARE((*m_window)->sequence().ledColor(3), ColorTable::White);
}

void ColorAndMarkerUiTest::secondLabelJoinsTheChoice()
{
    const LedSequence& sequence = (*m_window)->sequence();
    openFor(0);
    openFor(2);
    clickEntry(m_list, 1); // Red

    QVERIFY(!m_list->isVisible());
    QCOMPARE(sequence.ledColor(0), 1);
    QCOMPARE(sequence.ledColor(2), 1);
    QCOMPARE(sequence.ledColor(1), ColorTable::White);
    QCOMPARE(sequence.ledColor(3), ColorTable::White);
    QVERIFY(!(*m_window)->playback().isHeld());

    // The joined LEDs were one choice only: the next opening starts afresh.
    openFor(3);
    clickEntry(m_list, 5);
    QCOMPARE(sequence.ledColor(3), 5);
    QCOMPARE(sequence.ledColor(0), 1);
}

void ColorAndMarkerUiTest::runningTestHeldWhileListOpen()
{
    TestPlayback& playback = (*m_window)->playback();
    playback.start();
    openFor(1);
    QVERIFY(playback.isHeld());
    openFor(2);
    pressKey(m_list, Qt::Key_Up);
    QVERIFY(!m_list->isVisible());
    QVERIFY(!playback.isHeld());
    QVERIFY(playback.isRunning());
}

void ColorAndMarkerUiTest::doubleClickMovesMarker_data()
{
    QTest::addColumn<int>("event");
    QTest::newRow("label 20") << 20;
    QTest::newRow("label 0, one event long") << 0;
    QTest::newRow("label 49, already marked") << 49;
}

void ColorAndMarkerUiTest::doubleClickMovesMarker()
{
    QFETCH(int, event);
    TimeAxisWidget* axis = (*m_window)->timeAxis();
    doubleClickAxis(event);

    QCOMPARE((*m_window)->sequence().lastEvent(), event);
    for (int label = 0; label < LedSequence::EventCount; ++label) {
        const bool marked = label == event;
        QCOMPARE(axis->textColor(label), marked ? QColor(Qt::red) : QColor(Qt::black));
        QCOMPARE(axis->pointSize(label), marked ? 8.0 : 6.0);
    }
}

void ColorAndMarkerUiTest::singleClickLeavesMarker()
{
    TimeAxisWidget* axis = (*m_window)->timeAxis();
    TestWindow::click(axis, axis->labelCenter(20));
    QCOMPARE((*m_window)->sequence().lastEvent(), LedSequence::DefaultLastEvent);
    QCOMPARE(axis->markedEvent(), LedSequence::DefaultLastEvent);
}

void ColorAndMarkerUiTest::doubleClickOnEntryActsOnlyOnTheList_data()
{
    QTest::addColumn<int>("color");
    // Entries that lie over grid cells and over the time axis.
    QTest::newRow("Red, over the grid") << 1;
    QTest::newRow("Magenta, over the grid") << 5;
    QTest::newRow("White, over the time axis") << 7;
}

// The first click picks the colour and hides the list; the second click of the
// double-click then lands on what lay under the list and must change nothing.
void ColorAndMarkerUiTest::doubleClickOnEntryActsOnlyOnTheList()
{
    QFETCH(int, color);
    openFor(0);
    const QPoint entry = m_list->viewport()->mapTo(
        &m_window->window(), m_list->visualItemRect(m_list->item(color)).center());
    QTest::mouseDClick((*m_window)->windowHandle(), Qt::LeftButton, Qt::NoModifier, entry);

    QCOMPARE((*m_window)->sequence().ledColor(0), color);
    QCOMPARE((*m_window)->sequence().lastEvent(), 49);
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE((*m_window)->sequence().mem(event), QStringLiteral("0"));
}

QTEST_MAIN(ColorAndMarkerUiTest)
#include "tst_colorandmarker.moc"
