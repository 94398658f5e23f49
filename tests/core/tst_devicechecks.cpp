// SPDX-License-Identifier: MIT
#include "DownloadStream.h"
#include "LineSettingsCheck.h"
#include "StreamAnalysis.h"

#include <QTest>

#include <random>

#include <termios.h>

// The virtual device is the judge of every download test, so its own checks
// must reject what the real device would choke on.
class DeviceChecksTest : public QObject {
    Q_OBJECT

private slots:
    void stream_data();
    void stream();
    void lateStampsAreNotEarlyRecords();
    void lineSettings_data();
    void lineSettings();
};

namespace {

using Stamps = std::vector<std::int64_t>;

constexpr std::int64_t Ms = 1000000;

DownloadStream::Values defaultValues()
{
    DownloadStream::Values values{};
    for (int led = 0; led < 4; ++led)
        values[DownloadStream::FirstServoRecord + led] = 15;
    values[DownloadStream::PicSpeedRecord] = 30;
    values[DownloadStream::LastEventRecord] = 49;
    return values;
}

// Arrival stamps for a stream whose records come firstMs after the marker and
// gapMs apart; each record's bytes arrive together.
Stamps paced(int byteCount, double firstMs, double gapMs)
{
    Stamps stamps;
    for (int byte = 0; byte < byteCount; ++byte) {
        const int record = byte / DownloadStream::RecordSize - 1;
        const double at = record < 0 ? 0 : firstMs + record * gapMs;
        stamps.push_back(static_cast<std::int64_t>(at * Ms));
    }
    return stamps;
}

} // namespace

void DeviceChecksTest::stream_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("firstMs");
    QTest::addColumn<double>("gapMs");
    QTest::addColumn<int>("expectedRecords");
    QTest::addColumn<QString>("violation"); // part of the one expected violation; "" for none

    const QByteArray good = DownloadStream::build(defaultValues());
    QTest::newRow("a good download") << good << 551.0 << 50.2 << 56 << QString();
    QTest::newRow("values equal to CR, LF and * are data") << [] {
        DownloadStream::Values values = defaultValues();
        values[0] = 10;
        values[1] = 13;
        values[DownloadStream::PicSpeedRecord] = 42;
        return DownloadStream::build(values);
    }() << 550.0 << 50.0 << 56 << QString();
    QTest::newRow("a hang-up after 10 records, as asked")
        << good.left(33) << 550.0 << 50.0 << 10 << QString();
    QTest::newRow("no start marker") << QByteArray("+\r\n") + good.mid(3) << 550.0 << 50.0 << 56
                                     << QStringLiteral("start marker");
    QTest::newRow("record not ending in CR LF")
        << QByteArray(good).replace(3 + 3 * 7 + 2, 1, "\r") << 550.0 << 50.0 << 56
        << QStringLiteral("record 8 (event 7) does not end in CR LF");
    QTest::newRow("a record missing") << good.left(168) << 550.0 << 50.0 << 56
                                      << QStringLiteral("168 bytes received, 171 expected");
    QTest::newRow("a stray byte after the end")
        << good + "\n"
        << 550.0 << 50.0 << 56 << QStringLiteral("1 bytes after the last record");
    QTest::newRow("an event value above 15")
        << QByteArray(good).replace(3 + 3 * 4, 1, "\x10") << 550.0 << 50.0 << 56
        << QStringLiteral("record 5 (event 4) holds 16");
    QTest::newRow("PICSpeed 0") << QByteArray(good).replace(3 + 3 * 54, 1, QByteArray(1, '\0'))
                                << 550.0 << 50.0 << 56 << QStringLiteral("(PICSpeed) holds 0");
    QTest::newRow("first record too soon")
        << good << 540.0 << 50.0 << 56 << QStringLiteral("first record came 540.0 ms");
    QTest::newRow("records too close")
        << good << 550.0 << 45.0 << 56 << QStringLiteral("sooner than 50 ms");
}

void DeviceChecksTest::stream()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, firstMs);
    QFETCH(double, gapMs);
    QFETCH(int, expectedRecords);
    QFETCH(QString, violation);

    const StreamAnalysis analysis(bytes, paced(bytes.size(), firstMs, gapMs), expectedRecords, 2.0);
    if (violation.isEmpty()) {
        QCOMPARE(analysis.violations(), QStringList());
        QCOMPARE(int(analysis.values().size()), expectedRecords);
        QCOMPARE(analysis.timing().records, expectedRecords);
        QCOMPARE(analysis.timing().firstMs, firstMs);
        QCOMPARE(analysis.timing().totalMs, firstMs + (expectedRecords - 1) * gapMs);
        return;
    }
    QVERIFY2(!analysis.violations().filter(violation).isEmpty(),
             qPrintable(analysis.violations().join(QLatin1Char('\n'))));
}

// A reader woken late stamps a record late; the next must not look early,
// while the records after it, really sent early, still do.
void DeviceChecksTest::lateStampsAreNotEarlyRecords()
{
    const QByteArray good = DownloadStream::build(defaultValues());
    const int size = DownloadStream::RecordSize; // the marker takes the first record's room
    std::mt19937 random(17);
    for (int series = 0; series < 200; ++series) {
        Stamps stamps = paced(good.size(), 550.0, 50.0);
        const int late = 1 + int(random() % 54), firstByte = (late + 1) * size;
        const std::int64_t delay = std::int64_t(10 + random() % 490) * Ms / 10; // 1..49.9 ms
        for (int byte = firstByte; byte < firstByte + size; ++byte)
            stamps[byte] += delay;
        QVERIFY2(StreamAnalysis(good, stamps, 56, 2.0).ok(), qPrintable(QString::number(late)));
        for (int byte = firstByte + size; byte < good.size(); ++byte)
            stamps[byte] -= 10 * Ms;
        QVERIFY(!StreamAnalysis(good, stamps, 56, 2.0).ok());
    }
}

void DeviceChecksTest::lineSettings_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<unsigned>("cflagSet");
    QTest::addColumn<unsigned>("iflagSet");
    QTest::addColumn<unsigned>("oflagSet");
    QTest::addColumn<unsigned>("lflagSet");
    QTest::addColumn<QString>("problem");

    QTest::newRow("raw 2400 8N1") << int(B2400) << 0u << 0u << 0u << 0u << QString();
    QTest::newRow("9600 baud") << int(B9600) << 0u << 0u << 0u << 0u
                               << QStringLiteral("output speed is 9600 baud");
    QTest::newRow("even parity") << int(B2400) << unsigned(PARENB) << 0u << 0u << 0u
                                 << QStringLiteral("parity");
    QTest::newRow("2 stop bits") << int(B2400) << unsigned(CSTOPB) << 0u << 0u << 0u
                                 << QStringLiteral("2 stop bits");
    QTest::newRow("RTS/CTS") << int(B2400) << unsigned(CRTSCTS) << 0u << 0u << 0u
                             << QStringLiteral("RTS/CTS");
    QTest::newRow("XON/XOFF") << int(B2400) << 0u << unsigned(IXON) << 0u << 0u
                              << QStringLiteral("XON/XOFF");
    QTest::newRow("CR to LF on input")
        << int(B2400) << 0u << unsigned(ICRNL) << 0u << 0u << QStringLiteral("CR/LF translation");
    QTest::newRow("output processing") << int(B2400) << 0u << 0u << unsigned(OPOST | ONLCR) << 0u
                                       << QStringLiteral("output processing");
    QTest::newRow("canonical mode")
        << int(B2400) << 0u << 0u << 0u << unsigned(ICANON) << QStringLiteral("canonical");
}

void DeviceChecksTest::lineSettings()
{
    QFETCH(int, speed);
    QFETCH(unsigned, cflagSet);
    QFETCH(unsigned, iflagSet);
    QFETCH(unsigned, oflagSet);
    QFETCH(unsigned, lflagSet);
    QFETCH(QString, problem);

    termios settings{};
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | cflagSet;
    settings.c_iflag |= iflagSet;
    settings.c_oflag |= oflagSet;
    settings.c_lflag |= lflagSet;
    ::cfsetispeed(&settings, speed_t(speed));
    ::cfsetospeed(&settings, speed_t(speed));

    const QStringList found = LineSettingsCheck::problems(settings);
    if (problem.isEmpty())
        QCOMPARE(found, QStringList());
    else
        QVERIFY2(!found.isEmpty() && found.first().contains(problem), qPrintable(found.join("; ")));
}

QTEST_GUILESS_MAIN(DeviceChecksTest)
#include "tst_devicechecks.moc"
