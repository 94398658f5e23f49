#include "ServoZone.h"

#include <QTest>

// The stick-to-zone rule and the servo-control mask that gate the test lamps.
class ServoZoneTest : public QObject {
    Q_OBJECT
private slots:
    void zoneOfStick_data();
    void zoneOfStick();
    void lampGate_data();
    void lampGate();
};

void ServoZoneTest::zoneOfStick_data()
{
    QTest::addColumn<int>("stick");
    QTest::addColumn<int>("pulseWidth");
    QTest::addColumn<int>("zoneBit");

    QTest::newRow("lowest") << 100 << 1000 << 1;
    QTest::newRow("top of zone 0") << 124 << 1240 << 1;
    QTest::newRow("bottom of zone 1") << 125 << 1250 << 2;
    QTest::newRow("top of zone 1") << 149 << 1490 << 2;
    QTest::newRow("start position") << 150 << 1500 << 4;
    QTest::newRow("top of zone 2") << 174 << 1740 << 4;
    QTest::newRow("bottom of zone 3") << 175 << 1750 << 8;
    QTest::newRow("highest") << 199 << 1990 << 8;
}

void ServoZoneTest::zoneOfStick()
{
    QFETCH(int, stick);
    QFETCH(int, pulseWidth);
    QFETCH(int, zoneBit);
    QVERIFY(ServoZone::isStickValue(stick));
    QCOMPARE(ServoZone::pulseWidth(stick), pulseWidth);
    QCOMPARE(ServoZone::zoneBit(stick), zoneBit);
}

void ServoZoneTest::lampGate_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("zoneBit");
    QTest::addColumn<int>("servoMode");
    QTest::addColumn<bool>("lit");

    QTest::newRow("NONE follows a lit cell") << 1 << 8 << 15 << true;
    QTest::newRow("NONE keeps an unlit cell dark") << 0 << 8 << 15 << false;
    QTest::newRow("OFF stays dark in every zone") << 1 << 1 << 0 << false;
    QTest::newRow("zone 0 only, stick in zone 0") << 1 << 1 << 1 << true;
    QTest::newRow("zone 0 only, stick in zone 1") << 1 << 2 << 1 << false;
    QTest::newRow("zones 0+1, stick in zone 2") << 1 << 4 << 3 << false;
    QTest::newRow("zones 1+2, stick in zone 2") << 1 << 4 << 6 << true;
    QTest::newRow("zones 1..3, stick in zone 3") << 1 << 8 << 14 << true;
    QTest::newRow("zones 1..3, stick in zone 0") << 1 << 1 << 14 << false;
}

void ServoZoneTest::lampGate()
{
    QFETCH(int, cell);
    QFETCH(int, zoneBit);
    QFETCH(int, servoMode);
    QFETCH(bool, lit);
    QCOMPARE(ServoZone::lampLit(cell, zoneBit, servoMode), lit);
}

QTEST_GUILESS_MAIN(ServoZoneTest)
#include "ServoZoneTest.moc"
