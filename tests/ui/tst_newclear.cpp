// SPDX-License-Identifier: MIT
#include "AppInfo.h"
#include "ClickableLabel.h"
#include "ScriptedPrompts.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

// Everything New/Clear resets, as the model holds it and the window shows it,
// one line per item so a difference names itself.
QStringList resettableState(WindowUnderTest& window)
{
    QStringList lines;
    const LedSequence& sequence = window.sequence();
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        QString cells;
        for (int event = 0; event < LedSequence::EventCount; ++event)
            cells += QString::number(sequence.cell(led, event));
        lines << QStringLiteral("cells %1: %2").arg(led).arg(cells)
              << QStringLiteral("color %1: %2 label %3")
                     .arg(led)
                     .arg(sequence.ledColor(led))
                     .arg(window.ledLabel(led)->palette().color(QPalette::WindowText).name())
              << QStringLiteral("servo %1: %2 list %3")
                     .arg(led)
                     .arg(sequence.servoMode(led))
                     .arg(window.servoControl(led)->currentText());
    }
    for (int event = 0; event < LedSequence::EventCount; ++event) {
        const TimeAxisWidget* axis = window.timeAxis();
        lines << QStringLiteral("event %1: mem %2 axis %3 %4")
                     .arg(event)
                     .arg(sequence.mem(event))
                     .arg(axis->textColor(event).name())
                     .arg(axis->pointSize(event));
    }
    lines << QStringLiteral("last event %1 marked %2")
                 .arg(sequence.lastEvent())
                 .arg(window.timeAxis()->markedEvent());
    lines << QStringLiteral("remembered file '%1'").arg(window.document().rememberedFile());
    return lines;
}

// An edit of everything the user and the file commands can change.
void editEverything(WindowUnderTest& window)
{
    {
        SequenceSetUp sequence = window.setUp();
        for (int led = 0; led < LedSequence::LedCount; ++led)
            for (int event = 0; event < LedSequence::EventCount; event += led + 1)
                sequence->setCell(led, event, 1);
        sequence->setLedColor(0, 1);  // Red
        sequence->setLedColor(3, 6);  // Cyan
        sequence->setServoMode(1, 0); // "OFF"
        sequence->setServoMode(2, 3); // "|* * - -|"
        sequence->setLastEvent(12);
        for (int index = 0; index < LedSequence::SpareColorCount; ++index)
            sequence->setSpareColor(index, std::int16_t(100 + index));
    }
    window.settings().setCommPort(5);
    window.settings().setPcSpeed(77);
    window.settings().setPicSpeed(3);
    window.servoStick()->setValue(123);
    window.document().setRememberedFile(QStringLiteral("/somewhere/show.dat"));
    window.setWindowTitle(AppInfo::fileCaptionPrefix() + QStringLiteral("show.dat"));
}

} // namespace

class NewClearUiTest : public QObject {
    Q_OBJECT

private slots:
    void returnsToStartUpState();
    void keepsWhatIsNotTheSequence();
    void twiceIsOnce();
};

void NewClearUiTest::returnsToStartUpState()
{
    TestWindow fresh;
    TestWindow edited;
    editEverything(edited.window());
    QVERIFY(resettableState(edited.window()) != resettableState(fresh.window()));

    edited->menuNew()->trigger();

    QCOMPARE(resettableState(edited.window()), resettableState(fresh.window()));
    QCOMPARE(fresh->windowTitle(), AppInfo::startupCaption());
    QCOMPARE(edited->windowTitle(),
             QStringLiteral("STROBIX  -  Programmable LED Sequencer/Flasher"));
    QVERIFY(edited.prompts().messages.isEmpty()); // no question asked
    QVERIFY(edited.prompts().unexpected.isEmpty());
}

void NewClearUiTest::keepsWhatIsNotTheSequence()
{
    TestWindow test;
    editEverything(test.window());
    TestPlayback& playback = test->playback();
    playback.start();

    test->menuNew()->trigger();

    for (int index = 0; index < LedSequence::SpareColorCount; ++index)
        QCOMPARE(test->sequence().spareColor(index), std::int16_t(100 + index));
    QCOMPARE(test->settings().commPort(), 5);
    QCOMPARE(test->settings().pcSpeed(), 77);
    QCOMPARE(test->settings().picSpeed(), 3);
    QCOMPARE(test->servoStick()->value(), 123);
    QVERIFY(playback.isRunning());
    for (int color = 0; color < ColorTable::Count; ++color)
        QCOMPARE(test->colorList()->item(color)->text(), ColorTable::colorName(color));
}

void NewClearUiTest::twiceIsOnce()
{
    TestWindow once;
    TestWindow twice;
    editEverything(once.window());
    editEverything(twice.window());
    once->menuNew()->trigger();
    twice->menuNew()->trigger();
    twice->menuNew()->trigger();
    QCOMPARE(resettableState(twice.window()), resettableState(once.window()));
    QCOMPARE(twice->windowTitle(), once->windowTitle());
}

QTEST_MAIN(NewClearUiTest)
#include "tst_newclear.moc"
