// SPDX-License-Identifier: MIT
// Open and Merge applied to the sequence and the settings.
#include "FileFixtures.h"
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "SequenceFile.h"
#include "SequenceFileReader.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Lights the cells of an event so that its value becomes `value`.
void setEventValue(LedSequence& sequence, int event, int value)
{
    for (int led = 0; led < LedSequence::LedCount; ++led)
        sequence.setCell(led, event, (value >> led) & 1);
}

// Every setting changed, no cell lit.
SequenceFile fileWithSettings()
{
    SequenceFile file = FileFixtures::richFile();
    file.events = {};
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
    void openThenCaptureGivesTheFileBack();
    void outOfRangeEventValuesLightNothing_data();
    void outOfRangeEventValuesLightNothing();

    void mergeGivesUnionOfCells_data();
    void mergeGivesUnionOfCells();
    void mergeKeepsColoursAndReplacesTheRest();
    void mergingTwiceChangesNothingMore();
};

void TestSequenceFileApply::openThenCaptureGivesTheFileBack()
{
    // Start far from the file: every cell lit, every setting changed.
    Editor editor;
    for (int event = 0; event < LedSequence::EventCount; ++event)
        setEventValue(editor.sequence, event, 15);
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        editor.sequence.setLedColor(led, 7);
        editor.sequence.setServoMode(led, 8);
        editor.sequence.setSpareColor(led, 42);
    }
    editor.sequence.setLastEvent(30);
    editor.settings.setPicSpeed(50);
    editor.settings.setPcSpeed(50);
    const SequenceFile file = FileFixtures::richFile();

    file.openInto(editor.sequence, editor.settings);

    QVERIFY(SequenceFile::capture(editor.sequence, editor.settings) == file);
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(editor.sequence.mem(event), QString::number(file.events[event]));
}

void TestSequenceFileApply::outOfRangeEventValuesLightNothing_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("16") << 16;
    QTest::newRow("-1") << -1;
    QTest::newRow("largest") << 32767;
    QTest::newRow("smallest") << -32768;
}

void TestSequenceFileApply::outOfRangeEventValuesLightNothing()
{
    // Such a value is read and kept as it is, but lights no cell: Open
    // leaves the event dark, Merge adds nothing to it.
    QFETCH(int, value);
    SequenceFile written;
    written.events[7] = value;
    const SequenceFileReader::Result read =
        SequenceFileReader::parse(SequenceFileWriter::encode(written));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.file->events[7], value);

    Editor opened;
    setEventValue(opened.sequence, 7, 15);
    read.file->openInto(opened.sequence, opened.settings);
    QCOMPARE(opened.sequence.eventValue(7), 0);
    QCOMPARE(opened.sequence.mem(7), QStringLiteral("0"));

    Editor merged;
    setEventValue(merged.sequence, 7, 6);
    read.file->mergeInto(merged.sequence, merged.settings);
    QCOMPARE(merged.sequence.eventValue(7), 6);
    QCOMPARE(merged.sequence.mem(7), QStringLiteral("6"));
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
    QCOMPARE(editor.sequence.lastEvent(), file.lastEvent);
    for (int led = 0; led < LedSequence::LedCount; ++led)
        QCOMPARE(editor.sequence.servoMode(led), file.servoModes[led]);
    QCOMPARE(editor.settings.picSpeed(), file.picSpeed);
    QCOMPARE(editor.settings.pcSpeed(), file.pcSpeed);
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
