#include "DownloadStream.h"
#include "PacedSender.h"
#include "SerialLink.h"

#include <QElapsedTimer>
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
    void drainsBeforeClosing();
    void failureNamesRecord_data();
    void failureNamesRecord();
};

namespace {

class RecordingLink : public SerialLink {
public:
    int failAtWrite = -1;      // the write that fails at once (0: the marker)
    int breakAfterWrite = -1;  // the line breaks 10 ms after this write
    qint64 pendingMs = 0;      // output stays queued this long after each write
    bool stuck = false;        // output never drains

    std::vector<qint64> writtenAtNs;
    QByteArray written;
    bool closed = false;
    bool abandoned = false;

    RecordingLink() { m_clock.start(); }

    bool write(const QByteArray& bytes) override
    {
        const int index = int(writtenAtNs.size());
        if (index == failAtWrite) {
            emit failed(QStringLiteral("write failed"));
            return false;
        }
        writtenAtNs.push_back(m_clock.nsecsElapsed());
        written += bytes;
        if (index == breakAfterWrite)
            QTimer::singleShot(10, this, [this] { emit failed(QStringLiteral("line gone")); });
        return true;
    }
    bool outputPending() const override
    {
        return stuck || (!writtenAtNs.empty() && m_clock.nsecsElapsed() - writtenAtNs.back() < pendingMs * 1000000);
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

void PacedSenderTest::drainsBeforeClosing()
{
    RecordingLink link;
    link.pendingMs = 300;
    PacedSender sender(link);
    QSignalSpy finished(&sender, &PacedSender::finished);
    qint64 closedAfterLastWriteNs = -1;
    connect(&sender, &PacedSender::finished, [&] { closedAfterLastWriteNs = link.nowNs() - link.writtenAtNs.back(); });

    sender.start(sampleStream());
    QVERIFY(finished.wait(10000));
    QVERIFY(link.closed);
    QVERIFY2(closedAfterLastWriteNs >= 300 * Ms, qPrintable(QString::number(closedAfterLastWriteNs)));
}

void PacedSenderTest::failureNamesRecord_data()
{
    QTest::addColumn<int>("failAtWrite");
    QTest::addColumn<int>("breakAfterWrite");
    QTest::addColumn<bool>("stuck");
    QTest::addColumn<int>("failedIndex");

    QTest::newRow("the marker cannot be written") << 0 << -1 << false << int(PacedSender::MarkerIndex);
    QTest::newRow("record 11 cannot be written") << 11 << -1 << false << 10;
    QTest::newRow("the line breaks after record 6") << -1 << 6 << false << 5;
    QTest::newRow("the line breaks after the marker") << -1 << 0 << false << int(PacedSender::MarkerIndex);
    QTest::newRow("the output never drains") << -1 << -1 << true << 55;
}

void PacedSenderTest::failureNamesRecord()
{
    QFETCH(int, failAtWrite);
    QFETCH(int, breakAfterWrite);
    QFETCH(bool, stuck);
    QFETCH(int, failedIndex);

    RecordingLink link;
    link.failAtWrite = failAtWrite;
    link.breakAfterWrite = breakAfterWrite;
    link.stuck = stuck;
    PacedSender sender(link);
    QSignalSpy failed(&sender, &PacedSender::failed);
    QSignalSpy finished(&sender, &PacedSender::finished);

    sender.start(sampleStream());
    QVERIFY(!failed.isEmpty() || failed.wait(10000));
    QTest::qWait(100); // nothing more may follow

    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toInt(), failedIndex);
    QVERIFY(finished.isEmpty());
    QVERIFY(link.abandoned);
    QVERIFY(!link.closed);
    QVERIFY(!sender.isSending());
}

QTEST_GUILESS_MAIN(PacedSenderTest)
#include "tst_pacedsender.moc"
