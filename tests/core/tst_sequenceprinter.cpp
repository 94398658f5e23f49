// SPDX-License-Identifier: MIT
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "SequencePrinter.h"

#include <QRandomGenerator>
#include <QTest>

// The text grid must show exactly the sequence: read back, it gives the same
// cells, last event, colours, servo modes and speeds.
class SequencePrinterTest : public QObject {
    Q_OBJECT

private slots:
    void readsBackAsTheSequence();
};

namespace {

struct ReadBack {
    QList<QString> rows;
    int caretColumn = -1;
    QStringList ledLines;
    QStringList speedLines;
};

ReadBack readBack(const QString& text)
{
    ReadBack back;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("LED#")) && line.contains(QLatin1String("colour")))
            back.ledLines << line;
        else if (line.startsWith(QLatin1String("LED#")))
            back.rows << line.mid(8);
        else if (line.contains(QLatin1String("^ last event")))
            back.caretColumn = int(line.indexOf(QLatin1Char('^'))) - 8;
        else if (line.contains(QLatin1String("Speed")))
            back.speedLines << line;
    }
    return back;
}

} // namespace

void SequencePrinterTest::readsBackAsTheSequence()
{
    QRandomGenerator random(1207);
    for (int round = 0; round < 100; ++round) {
        LedSequence sequence;
        ProgramSettings settings;
        for (int led = 0; led < LedSequence::LedCount; ++led) {
            for (int event = 0; event < LedSequence::EventCount; ++event)
                sequence.setCell(led, event, random.bounded(2));
            sequence.setLedColor(led, random.bounded(ColorTable::Count));
            sequence.setServoMode(led, random.bounded(ServoControl::Count));
        }
        sequence.setLastEvent(random.bounded(LedSequence::EventCount));
        settings.setPicSpeed(1 + random.bounded(100));
        settings.setPcSpeed(1 + random.bounded(100));

        const ReadBack back = readBack(SequencePrinter::text(sequence, settings));
        QCOMPARE(back.rows.size(), LedSequence::LedCount);
        QCOMPARE(back.caretColumn, sequence.lastEvent());
        QCOMPARE(back.ledLines.size(), LedSequence::LedCount);
        for (int led = 0; led < LedSequence::LedCount; ++led) {
            QCOMPARE(back.rows[led].size(), LedSequence::EventCount);
            for (int event = 0; event < LedSequence::EventCount; ++event)
                QCOMPARE(back.rows[led][event] == QLatin1Char('#'), sequence.cell(led, event) == 1);
            const QString expected =
                QStringLiteral("colour %1").arg(LedSequence::colorName(sequence.ledColor(led)));
            QVERIFY2(back.ledLines[led].contains(expected), qPrintable(back.ledLines[led]));
            const int mode = sequence.servoMode(led);
            QVERIFY(back.ledLines[led].endsWith(QStringLiteral("servo mode %1 %2")
                                                    .arg(mode, 2)
                                                    .arg(ServoControl::entryText(mode))));
        }
        QCOMPARE(back.speedLines,
                 (QStringList{
                     QStringLiteral("Sequencer delay (PICSpeed): %1 ms").arg(settings.picSpeed()),
                     QStringLiteral("LED test speed (PCSpeed): %1 ms").arg(settings.pcSpeed())}));
    }
}

QTEST_GUILESS_MAIN(SequencePrinterTest)
#include "tst_sequenceprinter.moc"
