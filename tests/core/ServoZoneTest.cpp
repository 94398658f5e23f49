#include "ServoZone.h"

#include <QTest>

// The stick-to-zone rule: readout and zone bit at each zone boundary. (How
// the zone bit gates the lamps is checked through the playback.)
class ServoZoneTest : public QObject {
    Q_OBJECT
private slots:
    void zoneOfStick_data();
    void zoneOfStick();
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

QTEST_GUILESS_MAIN(ServoZoneTest)
#include "ServoZoneTest.moc"
