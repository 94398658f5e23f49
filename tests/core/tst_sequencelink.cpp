// SPDX-License-Identifier: MIT
// Sequences in links: what goes in comes out as Save would write it, and a
// link that is not whole is refused, never read as some other sequence.
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"
#include "SequenceLink.h"

#include <QTest>

#include <random>

using Problem = SequenceLink::Problem;
Q_DECLARE_METATYPE(Problem)

namespace {

// The worked example of the data file: LED#1 at event 1, LED#2 at 2, LED#1
// and LED#3 at 3, everything else as a new sequence has it.
const QString WorkedExample = QStringLiteral("ARJQAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAD__H__zxQAfPE");
const QByteArray Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

SequenceFile workedExample()
{
    SequenceFile file;
    file.events = {1, 2, 5};
    return file;
}

// Bytes with the test's own CRC-16/CCITT-FALSE: links the encoder never makes.
QString sealed(QByteArray bytes)
{
    quint16 crc = 0xFFFF;
    for (const char byte : bytes)
        for (int bit = 7; bit >= 0; --bit)
            crc = quint16(crc << 1) ^ ((((crc >> 15) ^ (quint8(byte) >> bit)) & 1) ? 0x1021 : 0);
    bytes += char(crc >> 8);
    bytes += char(crc & 0xFF);
    return QStringLiteral("#seq=")
           + QString::fromLatin1(
               bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// The worked example with `width` bits from payload bit `at` on (counted
// after the version byte) set to `value`, and a checksum that fits.
QString crafted(int at, int width, quint32 value, char version = 1)
{
    QByteArray bytes =
        QByteArray::fromBase64(WorkedExample.toLatin1(), QByteArray::Base64UrlEncoding);
    bytes.chop(2);
    bytes[0] = version;
    for (int bit = 0; bit < width; ++bit) {
        const int index = 1 + (at + bit) / 8;
        const char mask = char(0x80 >> ((at + bit) % 8));
        const bool set = (value >> (width - 1 - bit)) & 1U;
        bytes[index] = char(set ? bytes[index] | mask : bytes[index] & ~mask);
    }
    return sealed(bytes);
}

// A data file of random values over all the reader accepts; asWritten: only
// those the program writes (no event value that lights nothing, no "no servo choice").
QByteArray randomFile(std::mt19937_64& random, bool asWritten)
{
    QByteArray bytes;
    for (int position = 0; position < SequenceFile::ValueCount; ++position) {
        SequenceFile::Range range = SequenceFile::valueRange(position);
        if (asWritten && position < SequenceFile::FirstColor)
            range = {0, 15};
        if (asWritten && range.min == SequenceFile::NoServoChoice)
            range.min = 0;
        const bool spareZero =
            position >= SequenceFile::FirstColor && range.min < -1 && random() % 2;
        bytes += SequenceFileWriter::encodeLine(
            position,
            spareZero ? 0 : range.min + int(random() % (qint64(range.max) - range.min + 1)));
    }
    return bytes;
}

} // namespace

class SequenceLinkTest : public QObject {
    Q_OBJECT

private slots:
    void linkGivesWhatSaveWrites();
    void decode_data();
    void decode();
    void everySingleChangeIsRefused();
};

// file -> link -> file: the bytes Open followed by Save write, which for a
// file the program wrote are its own bytes.
void SequenceLinkTest::linkGivesWhatSaveWrites()
{
    // The format is the browser edition's too: the worked example's link is fixed.
    QCOMPARE(SequenceLink::link(workedExample(), QStringLiteral("../index.html#seq=old")),
             QStringLiteral("../index.html#seq=") + WorkedExample);
    std::mt19937_64 random(51);
    for (int round = 0; round < 2000; ++round) {
        const bool asWritten = random() % 4 != 0;
        const QByteArray bytes = randomFile(random, asWritten);
        const SequenceFileReader::Result read = SequenceFileReader::parse(bytes);
        QVERIFY2(read.ok(), qPrintable(read.problem));
        LedSequence sequence;
        ProgramSettings settings;
        read.file->openInto(sequence, settings);
        const QByteArray saved =
            SequenceFileWriter::encode(SequenceFile::capture(sequence, settings));
        if (asWritten)
            QCOMPARE(saved, bytes);

        const QString link =
            SequenceLink::link(*read.file, QStringLiteral("https://example.org/s/"));
        const SequenceLink::Decoded decoded = SequenceLink::decode(link);
        QVERIFY2(decoded.ok(), qPrintable(link + u' ' + decoded.text));
        QCOMPARE(SequenceFileWriter::encode(*decoded.file), saved);
        const bool spares = read.file->spareColors != decltype(read.file->spareColors){};
        QCOMPARE(SequenceLink::encode(*read.file).size(), spares ? 58 : 47);
    }
}

void SequenceLinkTest::decode_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<Problem>("problem"); // None: the worked example comes out
    QTest::addColumn<QString>("says");
    const QString value = WorkedExample;
    const QString seq = QStringLiteral("seq=") + value;
    QTest::newRow("value alone") << seq << Problem::None << "";
    QTest::newRow("fragment") << u'#' + seq << Problem::None << "";
    QTest::newRow("whole link") << QStringLiteral("https://h/app/#") + seq << Problem::None << "";
    QTest::newRow("with blanks") << QStringLiteral("  #") + seq + u'\n' << Problem::None << "";
    QTest::newRow("among parameters")
        << QStringLiteral("https://h/#view=test&") + seq + QStringLiteral("&speed=2")
        << Problem::None << "";
    QTest::newRow("no seq part") << "https://h/#view=1" << Problem::Damaged << "no \"#seq=\"";
    QTest::newRow("empty") << "#seq=" << Problem::Damaged << "too short";
    QTest::newRow("plus sign") << QStringLiteral("#seq=") + value.left(10) + u'+' + value.mid(11)
                               << Problem::Damaged << "\"+\"";
    QTest::newRow("padding") << QStringLiteral("#seq=") + value + u'=' << Problem::Damaged
                             << "\"=\"";
    QTest::newRow("cut off in a URL")
        << QStringLiteral("#seq=") + value.chopped(1) + QStringLiteral("%20") << Problem::Damaged
        << "\"%\"";
    QTest::newRow("newer version") << crafted(0, 0, 0, 2) << Problem::Newer << "format 2";
    QTest::newRow("newer, any length")
        << sealed(QByteArray(4, '\xff')) << Problem::Newer << "format 255";
    QTest::newRow("version 0") << crafted(0, 0, 0, 0) << Problem::Damaged << "no format";
    // Payload bits: 200 colours, 212 last event, 218 servo, 234 and 241 the
    // speeds, 248 the spare flag, 249 the padding.
    QTest::newRow("last event 50") << crafted(212, 6, 50) << Problem::Damaged
                                   << "the last event (0 to 49 for events 1 to 50) is 50";
    QTest::newRow("sequencer speed 0")
        << crafted(234, 7, 0) << Problem::Damaged << "the sequencer speed (1 to 100) is 0";
    QTest::newRow("test speed 101")
        << crafted(241, 7, 101) << Problem::Damaged << "the test speed (1 to 100) is 101";
    QTest::newRow("spares announced, missing")
        << crafted(248, 1, 1) << Problem::Damaged << "too short";
    QTest::newRow("padding bits set") << crafted(249, 7, 1) << Problem::Damaged << "bits";
    QTest::newRow("no change, sealed again") << crafted(212, 6, 49) << Problem::None << "";
}

void SequenceLinkTest::decode()
{
    QFETCH(QString, link);
    QFETCH(Problem, problem);
    QFETCH(QString, says);
    const SequenceLink::Decoded decoded = SequenceLink::decode(link);
    QCOMPARE(decoded.problem, problem);
    QVERIFY2(decoded.text.contains(says), qPrintable(decoded.text));
    QVERIFY(decoded.ok() == (problem == Problem::None)
            && (!decoded.ok() || *decoded.file == workedExample()));
}

// Seeded links, with and without spare colours: each character changed to
// every other, dropped, doubled, and each cut-off is refused.
void SequenceLinkTest::everySingleChangeIsRefused()
{
    std::mt19937_64 random(52);
    for (int round = 0; round < 6; ++round) {
        const QString value =
            SequenceLink::encode(*SequenceFileReader::parse(randomFile(random, round % 2)).file);
        QVERIFY(SequenceLink::decode(QStringLiteral("seq=") + value).ok());
        auto refused = [](const QString& changed) {
            const SequenceLink::Decoded decoded =
                SequenceLink::decode(QStringLiteral("seq=") + changed);
            return !decoded.ok() && decoded.problem == Problem::Damaged;
        };
        for (int at = 0; at < value.size(); ++at) {
            for (const char c : Alphabet)
                if (QLatin1Char(c) != value[at])
                    QVERIFY2(
                        refused(QString(value).replace(at, 1, QLatin1Char(c))),
                        qPrintable(QStringLiteral("%1 at %2 in %3").arg(c).arg(at).arg(value)));
            QVERIFY(refused(QString(value).remove(at, 1)));
            QVERIFY(refused(QString(value).insert(at, value[at])));
            QVERIFY(refused(value.left(at)));
        }
    }
}

QTEST_GUILESS_MAIN(SequenceLinkTest)
#include "tst_sequencelink.moc"
