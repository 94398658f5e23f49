// SPDX-License-Identifier: MIT
#include "LedSequence.h"

#include <QSignalSpy>
#include <QTest>

class TestLedSequence : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty();
    void eventValueFollowsCells_data();
    void eventValueFollowsCells();
    void cellChangeTouchesOnlyItsColumn();
    void unchangedCellEmitsNothing();
    void outOfRangeIsIgnored();
    void lastEventSignalCarriesBothEnds();
    void servoEntries_data();
    void servoEntries();
    void colorTable_data();
    void colorTable();
    void clearRestoresStartupButKeepsSpareColors();
};

void TestLedSequence::startsEmpty()
{
    LedSequence sequence;
    for (int event = 0; event < LedSequence::EventCount; ++event) {
        QCOMPARE(sequence.mem(event), QStringLiteral("0"));
        for (int led = 0; led < LedSequence::LedCount; ++led)
            QCOMPARE(sequence.cell(led, event), 0);
    }
    QCOMPARE(sequence.lastEvent(), 49);
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        QCOMPARE(sequence.ledColor(led), 7);
        QCOMPARE(sequence.servoMode(led), 15);
    }
}

void TestLedSequence::eventValueFollowsCells_data()
{
    QTest::addColumn<QList<int>>("litLeds");
    QTest::addColumn<QString>("mem");
    QTest::newRow("none") << QList<int>{} << "0";
    QTest::newRow("LED#1") << QList<int>{0} << "1";
    QTest::newRow("LED#2") << QList<int>{1} << "2";
    QTest::newRow("LED#1 and LED#3") << QList<int>{0, 2} << "5";
    QTest::newRow("LED#4") << QList<int>{3} << "8";
    QTest::newRow("LED#2 and LED#4") << QList<int>{1, 3} << "10";
    QTest::newRow("all four") << QList<int>{0, 1, 2, 3} << "15";
}

void TestLedSequence::eventValueFollowsCells()
{
    QFETCH(QList<int>, litLeds);
    QFETCH(QString, mem);
    LedSequence sequence;
    for (int led : litLeds)
        sequence.setCell(led, 3, 1);
    QCOMPARE(sequence.mem(3), mem);
    QCOMPARE(sequence.eventValue(3), mem.toInt());

    // Turning the cells off again brings the text back to "0".
    for (int led : litLeds)
        sequence.setCell(led, 3, 0);
    QCOMPARE(sequence.mem(3), QStringLiteral("0"));
}

void TestLedSequence::cellChangeTouchesOnlyItsColumn()
{
    LedSequence sequence;
    QSignalSpy cells(&sequence, &LedSequence::cellChanged);
    QSignalSpy mems(&sequence, &LedSequence::memChanged);
    QString memWhenCellReported;
    connect(&sequence, &LedSequence::cellChanged, this,
            [&](int, int event) { memWhenCellReported = sequence.mem(event); });
    sequence.setCell(2, 7, 1);
    QCOMPARE(memWhenCellReported, QStringLiteral("4"));
    QCOMPARE(cells.count(), 1);
    QCOMPARE(cells.first(), (QList<QVariant>{2, 7}));
    QCOMPARE(mems.count(), 1);
    QCOMPARE(mems.first().first().toInt(), 7);
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(sequence.mem(event), event == 7 ? QStringLiteral("4") : QStringLiteral("0"));
}

void TestLedSequence::unchangedCellEmitsNothing()
{
    LedSequence sequence;
    sequence.setCell(0, 0, 1);
    QSignalSpy cells(&sequence, &LedSequence::cellChanged);
    QSignalSpy mems(&sequence, &LedSequence::memChanged);
    sequence.setCell(0, 0, 1);
    sequence.setCell(0, 0, 5); // any non-zero value means "on"
    sequence.setCell(1, 0, 0);
    sequence.refreshReadout(0);
    sequence.setLastEvent(49);
    sequence.setLedColor(0, 7);
    sequence.setServoMode(0, 15);
    QCOMPARE(cells.count(), 0);
    QCOMPARE(mems.count(), 0);
    QCOMPARE(sequence.mem(0), QStringLiteral("1"));
}

void TestLedSequence::outOfRangeIsIgnored()
{
    LedSequence sequence;
    QSignalSpy cells(&sequence, &LedSequence::cellChanged);
    QSignalSpy colors(&sequence, &LedSequence::ledColorChanged);
    QSignalSpy servos(&sequence, &LedSequence::servoModeChanged);
    QSignalSpy lasts(&sequence, &LedSequence::lastEventChanged);
    for (int led : {-1, 4})
        for (int event : {-1, 0, 50})
            sequence.setCell(led, event, 1);
    sequence.setCell(0, -1, 1);
    sequence.setCell(0, 50, 1);
    for (int color : {-1, 8})
        sequence.setLedColor(0, color);
    sequence.setLedColor(4, 1);
    for (int mode : {-1, 16})
        sequence.setServoMode(0, mode);
    sequence.setServoMode(-1, 3);
    for (int event : {-1, 50})
        sequence.setLastEvent(event);

    QCOMPARE(cells.count() + colors.count() + servos.count() + lasts.count(), 0);
    QCOMPARE(sequence.cell(4, 0), 0);
    QCOMPARE(sequence.ledColor(0), 7);
    QCOMPARE(sequence.servoMode(0), 15);
    QCOMPARE(sequence.lastEvent(), 49);
}

void TestLedSequence::lastEventSignalCarriesBothEnds()
{
    LedSequence sequence;
    QSignalSpy spy(&sequence, &LedSequence::lastEventChanged);
    sequence.setLastEvent(20);
    sequence.setLastEvent(0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0), (QList<QVariant>{49, 20}));
    QCOMPARE(spy.at(1), (QList<QVariant>{20, 0}));
    QCOMPARE(sequence.lastEvent(), 0);
}

void TestLedSequence::servoEntries_data()
{
    QCOMPARE(ServoControl::entries().size(), 16);
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "OFF";
    QTest::newRow("1") << 1 << "|* - - -|";
    QTest::newRow("2") << 2 << "|- * - -|";
    QTest::newRow("3") << 3 << "|* * - -|";
    QTest::newRow("6") << 6 << "|- * * -|";
    QTest::newRow("8") << 8 << "|- - - *|";
    QTest::newRow("11") << 11 << "|* * - *|";
    QTest::newRow("14") << 14 << "|- * * *|";
    QTest::newRow("15") << 15 << "NONE";
}

void TestLedSequence::servoEntries()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QCOMPARE(ServoControl::entries().at(mode), text);
}

void TestLedSequence::colorTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("bgr");
    QTest::newRow("black") << 0 << "Black" << 0u;
    QTest::newRow("red") << 1 << "Red" << 255u;
    QTest::newRow("green") << 2 << "Green" << 65280u;
    QTest::newRow("yellow") << 3 << "Yellow" << 65535u;
    QTest::newRow("blue") << 4 << "Blue" << 16711680u;
    QTest::newRow("magenta") << 5 << "Magenta" << 16711935u;
    QTest::newRow("cyan") << 6 << "Cyan" << 16776960u;
    QTest::newRow("white") << 7 << "White" << 16777215u;
}

void TestLedSequence::colorTable()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(uint, bgr);
    QCOMPARE(LedSequence::colorName(index), name);
    QCOMPARE(LedSequence::colorValue(index), bgr);
    // The value text is the number in "&H" hexadecimal form.
    QCOMPARE(QString::fromLatin1(ColorTable::Entries[index].valueText),
             QStringLiteral("&H") + QString::number(bgr, 16).toUpper());
}

void TestLedSequence::clearRestoresStartupButKeepsSpareColors()
{
    LedSequence sequence;
    for (int led = 0; led < 4; ++led) {
        for (int event = 0; event < 50; event += led + 1)
            sequence.setCell(led, event, 1);
        sequence.setLedColor(led, led + 1);
        sequence.setServoMode(led, led * 3);
    }
    sequence.setLastEvent(12);
    sequence.setSpareColor(2, -5);

    sequence.clear();
    LedSequence fresh;
    for (int event = 0; event < 50; ++event) {
        QCOMPARE(sequence.mem(event), fresh.mem(event));
        for (int led = 0; led < 4; ++led)
            QCOMPARE(sequence.cell(led, event), 0);
    }
    for (int led = 0; led < 4; ++led) {
        QCOMPARE(sequence.ledColor(led), 7);
        QCOMPARE(sequence.servoMode(led), 15);
    }
    QCOMPARE(sequence.lastEvent(), 49);
    QCOMPARE(sequence.spareColor(2), std::int16_t(-5));
}

QTEST_APPLESS_MAIN(TestLedSequence)
#include "tst_ledsequence.moc"
