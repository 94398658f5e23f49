// SPDX-License-Identifier: MIT
#include "ServoZone.h"

#include <QTest>

// The stick-to-zone rule: which positions the stick can take, and the readout
// and zone bit at each zone boundary. (How the zone bit gates the lamps is
// checked through the playback.)
class ServoZoneTest : public QObject {
    Q_OBJECT
private slots:
    void zoneOfStick_data();
    void zoneOfStick();
};

void ServoZoneTest::zoneOfStick_data()
{
    QTest::addColumn<int>("stick");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("pulseWidth");
    QTest::addColumn<int>("zoneBit");

    QTest::newRow("below the range") << 99 << false << 0 << 0;
    QTest::newRow("lowest") << 100 << true << 1000 << 1;
    QTest::newRow("top of zone 0") << 124 << true << 1240 << 1;
    QTest::newRow("bottom of zone 1") << 125 << true << 1250 << 2;
    QTest::newRow("top of zone 1") << 149 << true << 1490 << 2;
    QTest::newRow("start position") << 150 << true << 1500 << 4;
    QTest::newRow("top of zone 2") << 174 << true << 1740 << 4;
    QTest::newRow("bottom of zone 3") << 175 << true << 1750 << 8;
    QTest::newRow("highest") << 199 << true << 1990 << 8;
    QTest::newRow("above the range (a fifth zone)") << 200 << false << 0 << 0;
    QTest::newRow("zero") << 0 << false << 0 << 0;
    QTest::newRow("negative") << -150 << false << 0 << 0;
}

void ServoZoneTest::zoneOfStick()
{
    QFETCH(int, stick);
    QFETCH(bool, valid);
    QFETCH(int, pulseWidth);
    QFETCH(int, zoneBit);
    QCOMPARE(ServoZone::isStickValue(stick), valid);
    if (!valid)
        return; // no readout or zone for a position the stick cannot take
    QCOMPARE(ServoZone::pulseWidth(stick), pulseWidth);
    QCOMPARE(ServoZone::zoneBit(stick), zoneBit);
}

QTEST_GUILESS_MAIN(ServoZoneTest)
#include "tst_servozone.moc"
