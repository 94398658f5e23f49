// SPDX-License-Identifier: MIT
#include "DownloadExamples.h"
#include "DownloadStream.h"
#include "HexText.h"
#include "LedSequence.h"

#include <QPoint>
#include <QTest>

// The bytes the device receives, checked against hand-written streams.
class DownloadStreamTest : public QObject {
    Q_OBJECT

private slots:
    void stream_data();
    void stream();
};

namespace {

using HexText::repeat;
QByteArray hex(const QString& text)
{
    return HexText::bytes(text);
}

} // namespace

void DownloadStreamTest::stream_data()
{
    QTest::addColumn<QList<QPoint>>("litCells"); // (led, event)
    QTest::addColumn<QList<int>>("servoModes");
    QTest::addColumn<int>("picSpeed");
    QTest::addColumn<int>("lastEvent");
    QTest::addColumn<QByteArray>("expected");

    const QList<int> none{15, 15, 15, 15};
    QTest::newRow("start-up state")
        << QList<QPoint>{} << none << 30 << 49 << DownloadExamples::startUpStream();
    QTest::newRow("worked example")
        << QList<QPoint>{{0, 0}, {2, 0}, {1, 1}} << QList<int>{0, 15, 15, 15} << 30 << 1
        << DownloadExamples::workedExampleStream();
    // Values equal to LF, CR and "*" go out unescaped; LastEvent 0 still sends 50 events.
    QTest::newRow("control characters as values, last event 0")
        << QList<QPoint>{{1, 0}, {3, 0}, {0, 49}, {2, 49}, {3, 49}} << QList<int>{13, 10, 0, 1}
        << 42 << 0
        << hex(QStringLiteral("2A 0D 0A 0A 0D 0A ") + repeat(QStringLiteral("00 0D 0A"), 48)
               + QStringLiteral(" 0D 0D 0A 0D 0D 0A 0A 0D 0A 00 0D 0A 01 0D 0A 2A 0D 0A 00 0D 0A"));
    QTest::newRow("all lit, highest values")
        <<
        [] {
            QList<QPoint> all;
            for (int led = 0; led < 4; ++led)
                for (int event = 0; event < 50; ++event)
                    all << QPoint(led, event);
            return all;
        }()
        << QList<int>{14, 14, 14, 14} << 100 << 49
        << hex(QStringLiteral("2A 0D 0A ") + repeat(QStringLiteral("0F 0D 0A"), 50)
               + QLatin1Char(' ') + repeat(QStringLiteral("0E 0D 0A"), 4)
               + QStringLiteral(" 64 0D 0A 31 0D 0A"));
}

void DownloadStreamTest::stream()
{
    QFETCH(QList<QPoint>, litCells);
    QFETCH(QList<int>, servoModes);
    QFETCH(int, picSpeed);
    QFETCH(int, lastEvent);
    QFETCH(QByteArray, expected);

    LedSequence sequence;
    for (const QPoint& cell : litCells)
        sequence.setCell(cell.x(), cell.y(), 1);
    for (int led = 0; led < 4; ++led)
        sequence.setServoMode(led, servoModes[led]);
    sequence.setLastEvent(lastEvent);

    const QByteArray stream = DownloadStream::build(sequence, picSpeed);
    QCOMPARE(stream.size(), 171);
    QCOMPARE(stream.toHex(' '), expected.toHex(' '));
}

QTEST_GUILESS_MAIN(DownloadStreamTest)
#include "tst_downloadstream.moc"
