// Open and Merge applied to the sequence and the settings.
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "SequenceFile.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Lights the cells of an event so that its value becomes `value`.
void setEventValue(LedSequence& sequence, int event, int value)
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        sequence.setCell(led, event, (value >> led) & 1);
}

SequenceFile fileWithSettings()
{
    SequenceFile file;
    file.ledColors = {1, 2, 3, 0};
    file.spareColors = {-1, 2, 300, 4};
    file.lastEvent = 9;
    file.servoModes = {0, 5, 14, 15};
    file.picSpeed = 77;
    file.pcSpeed = 3;
    return file;
}

struct Editor {
    LedSequence sequence;
    ProgramSettings settings;
};

} // namespace

class TestSequenceFileApply : public QObject {
    Q_OBJECT
private slots:
    void openReplacesEverything();
    void openThenCaptureGivesTheFileBack();
    void openLeavesOutOfRangeEventsDark();

    void mergeGivesUnionOfCells_data();
    void mergeGivesUnionOfCells();
    void mergeKeepsColoursAndReplacesTheRest();
    void mergingTwiceChangesNothingMore();

};

void TestSequenceFileApply::openReplacesEverything()
{
    Editor editor;
    for (int event = 0; event < LedSequence::EventCount; ++event)
        setEventValue(editor.sequence, event, 15);
    editor.sequence.setSpareColor(0, 42);
    SequenceFile file = fileWithSettings();
    file.events[4] = 6;

    file.openInto(editor.sequence, editor.settings);

    for (int event = 0; event < LedSequence::EventCount; ++event) {
        const int expected = event == 4 ? 6 : 0;
        QCOMPARE(editor.sequence.eventValue(event), expected);
        QCOMPARE(editor.sequence.mem(event), QString::number(expected));
    }
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        QCOMPARE(editor.sequence.ledColor(led), file.ledColors[led]);
        QCOMPARE(editor.sequence.servoMode(led), file.servoModes[led]);
        QCOMPARE(editor.sequence.spareColor(led), file.spareColors[led]);
    }
    QCOMPARE(editor.sequence.lastEvent(), 9);
    QCOMPARE(editor.settings.picSpeed(), 77);
    QCOMPARE(editor.settings.pcSpeed(), 3);
}

void TestSequenceFileApply::openThenCaptureGivesTheFileBack()
{
    Editor editor;
    SequenceFile file = fileWithSettings();
    for (int event = 0; event < SequenceFile::EventCount; ++event)
        file.events[event] = (event * 5) % 16;
    file.openInto(editor.sequence, editor.settings);
    QVERIFY(SequenceFile::capture(editor.sequence, editor.settings) == file);
}

void TestSequenceFileApply::openLeavesOutOfRangeEventsDark()
{
    Editor editor;
    setEventValue(editor.sequence, 0, 15);
    setEventValue(editor.sequence, 1, 15);
    SequenceFile file;
    file.events[0] = 16;
    file.events[1] = -1;
    file.openInto(editor.sequence, editor.settings);
    QCOMPARE(editor.sequence.mem(0), QStringLiteral("0"));
    QCOMPARE(editor.sequence.mem(1), QStringLiteral("0"));
}

void TestSequenceFileApply::mergeGivesUnionOfCells_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("fromFile");
    QTest::addColumn<int>("merged");
    QTest::newRow("3 with 5") << 3 << 5 << 7;
    QTest::newRow("3 with 1") << 3 << 1 << 3;
    QTest::newRow("empty with 9") << 0 << 9 << 9;
    QTest::newRow("12 with 0") << 12 << 0 << 12;
    QTest::newRow("6 with 16 lights nothing") << 6 << 16 << 6;
    QTest::newRow("6 with -1 lights nothing") << 6 << -1 << 6;
}

void TestSequenceFileApply::mergeGivesUnionOfCells()
{
    QFETCH(int, current);
    QFETCH(int, fromFile);
    QFETCH(int, merged);
    Editor editor;
    setEventValue(editor.sequence, 7, current);
    SequenceFile file;
    file.events[7] = fromFile;
    file.mergeInto(editor.sequence, editor.settings);
    QCOMPARE(editor.sequence.eventValue(7), merged);
    QCOMPARE(editor.sequence.mem(7), QString::number(merged));
}

void TestSequenceFileApply::mergeKeepsColoursAndReplacesTheRest()
{
    Editor editor;
    editor.sequence.setLedColor(2, 4);
    editor.sequence.setSpareColor(3, 99);
    const SequenceFile file = fileWithSettings(); // all event values 0

    file.mergeInto(editor.sequence, editor.settings);

    QCOMPARE(editor.sequence.ledColor(0), ColorTable::White);
    QCOMPARE(editor.sequence.ledColor(2), 4);
    QCOMPARE(editor.sequence.spareColor(3), std::int16_t(99));
    QCOMPARE(editor.sequence.spareColor(0), std::int16_t(0));
    QCOMPARE(editor.sequence.lastEvent(), 9);
    for (int led = 0; led < LedSequence::LedCount; ++led)
        QCOMPARE(editor.sequence.servoMode(led), file.servoModes[led]);
    QCOMPARE(editor.settings.picSpeed(), 77);
    QCOMPARE(editor.settings.pcSpeed(), 3);
}

void TestSequenceFileApply::mergingTwiceChangesNothingMore()
{
    Editor editor;
    setEventValue(editor.sequence, 0, 2);
    SequenceFile file = fileWithSettings();
    file.events[0] = 1;
    file.events[30] = 8;
    file.mergeInto(editor.sequence, editor.settings);
    const SequenceFile afterFirst = SequenceFile::capture(editor.sequence, editor.settings);

    QSignalSpy cells(&editor.sequence, &LedSequence::cellChanged);
    file.mergeInto(editor.sequence, editor.settings);
    QCOMPARE(cells.count(), 0);
    QVERIFY(SequenceFile::capture(editor.sequence, editor.settings) == afterFirst);
    QCOMPARE(editor.sequence.eventValue(0), 3);
}

QTEST_GUILESS_MAIN(TestSequenceFileApply)
#include "tst_sequencefileapply.moc"
