// SPDX-License-Identifier: MIT
#include "DownloadStream.h"
#include "PacedSender.h"
#include "SerialLink.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The sender's pace and its endings, against a line that records the moment
// each write is handed over (the same thread and clock as the sender, so no
// allowance for jitter is needed: never early means never early).
class PacedSenderTest : public QObject {
    Q_OBJECT

private slots:
    void neverEarly();
    void lateWakeUpsDoNotAddUp();
    void drainsBeforeClosing();
    void failureNamesRecord_data();
    void failureNamesRecord();
};

namespace {

class RecordingLink : public SerialLink {
public:
    int failAtWrite = -1;         // the write that fails at once (0: the marker)
    int breakAfterWrite = -1;     // the line breaks 10 ms after this write
    qint64 pendingMs = 0;         // output stays queued this long after each write
    bool stuck = false;           // output never drains
    bool queueUnreadable = false; // the output queue cannot be read (adapter pulled)

    std::vector<qint64> writtenAtNs;
    QByteArray written;
    bool closed = false;
    bool abandoned = false;
    bool gone = false;

    RecordingLink() { m_clock.start(); }

    bool write(const QByteArray& bytes) override
    {
        const int index = int(writtenAtNs.size());
        if (gone)
            return false;
        if (index == failAtWrite) {
            reportFailure(QStringLiteral("write failed"));
            return false;
        }
        writtenAtNs.push_back(m_clock.nsecsElapsed());
        written += bytes;
        if (index == breakAfterWrite)
            QTimer::singleShot(10, this, [this] { breakLine(); });
        return true;
    }
    Output output() override
    {
        if (queueUnreadable) {
            noteFailure(QStringLiteral("queue unreadable"));
            return Output::Lost;
        }
        const bool pending =
            stuck
            || (!writtenAtNs.empty()
                && m_clock.nsecsElapsed() - writtenAtNs.back() < pendingMs * 1000000);
        return pending ? Output::Pending : Output::Drained;
    }
    // The line fails on its own: reported once, every later write fails.
    void breakLine()
    {
        gone = true;
        reportFailure(QStringLiteral("line gone"));
    }
    void close() override { closed = true; }
    void abandon() override { abandoned = true; }
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

private:
    QElapsedTimer m_clock;
};

QByteArray sampleStream()
{
    DownloadStream::Values values{};
    for (int index = 0; index < DownloadStream::RecordCount; ++index)
        values[index] = static_cast<std::uint8_t>(index % 16);
    return DownloadStream::build(values);
}

constexpr qint64 Ms = 1000000;

} // namespace

void PacedSenderTest::neverEarly()
{
    RecordingLink link;
    PacedSender sender(link);
    QSignalSpy marker(&sender, &PacedSender::markerSent);
    QSignalSpy records(&sender, &PacedSender::recordSent);
    QSignalSpy finished(&sender, &PacedSender::finished);

    sender.start(sampleStream());
    QCOMPARE(marker.size(), 1);
    QCOMPARE(link.written, DownloadStream::startMarker()); // the marker goes at once
    QVERIFY(finished.wait(10000));

    QCOMPARE(link.written, sampleStream());
    QCOMPARE(int(link.writtenAtNs.size()), 1 + DownloadStream::RecordCount);
    QVERIFY2(link.writtenAtNs[1] - link.writtenAtNs[0] >= 550 * Ms,
             qPrintable(QString::number(link.writtenAtNs[1] - link.writtenAtNs[0])));
    for (size_t write = 2; write < link.writtenAtNs.size(); ++write)
        QVERIFY2(link.writtenAtNs[write] - link.writtenAtNs[write - 1] >= 50 * Ms,
                 qPrintable(QStringLiteral("record %1").arg(write)));
    QCOMPARE(records.size(), DownloadStream::RecordCount);
    for (int index = 0; index < records.size(); ++index)
        QCOMPARE(records.at(index).first().toInt(), index);
    QVERIFY(link.closed);
    QVERIFY(!link.abandoned);
    QVERIFY(!sender.isSending());
}

// The schedule over simulated wake-ups that come late by random amounts, one
// of them by a lot: no record before its time after the marker or within
// 50 ms of the one before. Lateness does not pile up: no record is later than
// the worst single wake-up, and a stream without late wake-ups ends on time.
void PacedSenderTest::lateWakeUpsDoNotAddUp()
{
    using namespace std::chrono;
    QRandomGenerator random(4711);
    const auto due = [](int index) -> nanoseconds {
        return PacedSender::MarkerPause + PacedSender::RecordPause * (index + 1)
               + PacedSender::FirstMargin + PacedSender::GapMargin * index;
    };
    for (int series = 0; series < 200; ++series) {
        const bool punctual = series % 4 == 0;
        nanoseconds now{0}; // since the marker
        nanoseconds previous{0};
        nanoseconds worstLateness{0};
        const int spikeAt = random.bounded(DownloadStream::RecordCount);
        for (int index = 0; index < DownloadStream::RecordCount; ++index) {
            const nanoseconds wait = PacedSender::waitBefore(index, now, now - previous);
            QVERIFY(wait >= nanoseconds::zero());
            const bool spike = index == spikeAt;
            // Jitter up to the gap margin, which the schedule absorbs, and spikes.
            const qint64 jitter = nanoseconds(PacedSender::GapMargin).count();
            const nanoseconds lateness{punctual ? 0 : random.bounded(spike ? 20 * Ms : jitter)};
            worstLateness = std::max(worstLateness, lateness);
            now += wait + lateness;
            QVERIFY2(now >= due(index) - PacedSender::FirstMargin - PacedSender::GapMargin * index,
                     qPrintable(QStringLiteral("record %1 early").arg(index)));
            if (index > 0)
                QVERIFY(now - previous >= PacedSender::RecordPause);
            QVERIFY2(now - due(index) <= worstLateness,
                     qPrintable(QStringLiteral("series %1, record %2: %3 ns late")
                                    .arg(series)
                                    .arg(index)
                                    .arg((now - due(index)).count())));
            previous = now;
        }
        if (punctual)
            QCOMPARE(now.count(), due(DownloadStream::RecordCount - 1).count());
    }
}

void PacedSenderTest::drainsBeforeClosing()
{
    RecordingLink link;
    link.pendingMs = 300;
    PacedSender sender(link);
    QSignalSpy finished(&sender, &PacedSender::finished);
    qint64 closedAfterLastWriteNs = -1;
    connect(&sender, &PacedSender::finished,
            [&] { closedAfterLastWriteNs = link.nowNs() - link.writtenAtNs.back(); });

    sender.start(sampleStream());
    QVERIFY(finished.wait(10000));
    QVERIFY(link.closed);
    QVERIFY2(closedAfterLastWriteNs >= 300 * Ms,
             qPrintable(QString::number(closedAfterLastWriteNs)));
}

void PacedSenderTest::failureNamesRecord_data()
{
    QTest::addColumn<int>("failAtWrite");
    QTest::addColumn<int>("breakAfterWrite");
    QTest::addColumn<bool>("stuck");
    QTest::addColumn<bool>("queueUnreadable");
    QTest::addColumn<bool>("brokenBeforeStart");
    QTest::addColumn<int>("failedIndex");
    QTest::addColumn<QString>("reason");

    const int marker = PacedSender::MarkerIndex;
    QTest::newRow("the marker cannot be written")
        << 0 << -1 << false << false << false << marker << QStringLiteral("write failed");
    QTest::newRow("record 11 cannot be written")
        << 11 << -1 << false << false << false << 10 << QStringLiteral("write failed");
    QTest::newRow("the line breaks after record 6")
        << -1 << 6 << false << false << false << 5 << QStringLiteral("line gone");
    QTest::newRow("the line breaks after the marker")
        << -1 << 0 << false << false << false << marker << QStringLiteral("line gone");
    // While the instructions were shown: the failure was told to nobody then.
    QTest::newRow("the line broke before the start")
        << -1 << -1 << false << false << true << marker << QStringLiteral("line gone");
    QTest::newRow("the output never drains")
        << -1 << -1 << true << false << false << 55 << QStringLiteral("did not finish sending");
    QTest::newRow("the output queue cannot be read")
        << -1 << -1 << false << true << false << 55 << QStringLiteral("queue unreadable");
}

void PacedSenderTest::failureNamesRecord()
{
    QFETCH(int, failAtWrite);
    QFETCH(int, breakAfterWrite);
    QFETCH(bool, stuck);
    QFETCH(bool, queueUnreadable);
    QFETCH(bool, brokenBeforeStart);
    QFETCH(int, failedIndex);
    QFETCH(QString, reason);

    RecordingLink link;
    link.failAtWrite = failAtWrite;
    link.breakAfterWrite = breakAfterWrite;
    link.stuck = stuck;
    link.queueUnreadable = queueUnreadable;
    PacedSender sender(link);
    QSignalSpy failed(&sender, &PacedSender::failed);
    QSignalSpy finished(&sender, &PacedSender::finished);
    if (brokenBeforeStart)
        link.breakLine();

    sender.start(sampleStream());
    QVERIFY(!failed.isEmpty() || failed.wait(10000));
    QTest::qWait(100); // nothing more may follow

    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toInt(), failedIndex);
    const QString told = failed.first().at(1).toString();
    QVERIFY2(told.contains(reason), qPrintable(told));
    QVERIFY(finished.isEmpty());
    QVERIFY(link.abandoned);
    QVERIFY(!link.closed);
    QVERIFY(!sender.isSending());
}

QTEST_GUILESS_MAIN(PacedSenderTest)
#include "tst_pacedsender.moc"
