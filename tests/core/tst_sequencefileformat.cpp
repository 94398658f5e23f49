// SPDX-License-Identifier: MIT
// The data file's bytes: what the writer produces and what the reader accepts
// or rejects.
#include "FieldScanner.h"
#include "FileFixtures.h"
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace FileFixtures;

namespace {

QByteArray lines(const QList<QByteArray>& values, const QByteArray& separator = "\r\n")
{
    return values.join(separator) + separator;
}

// The 65 values of the worked example as bare fields.
QList<QByteArray> workedExampleFields()
{
    QList<QByteArray> fields{"1", "2", "5"};
    for (int i = 3; i < 50; ++i)
        fields << "0";
    fields << "7"
           << "7"
           << "7"
           << "7"
           << "0"
           << "0"
           << "0"
           << "0"
           << "49"
           << "15"
           << "15"
           << "15"
           << "15"
           << "30"
           << "20";
    return fields;
}

QByteArray withField(int position, const QByteArray& text)
{
    QList<QByteArray> fields = workedExampleFields();
    fields[position] = text;
    return lines(fields);
}

#ifdef Q_OS_UNIX
// While it lives, releases anyone blocked opening the pipe for reading (by
// opening and closing its other end), so that a reader that wrongly opens a
// pipe makes the test fail instead of hanging it.
class PipeReleaser {
public:
    explicit PipeReleaser(const QString& pipe)
        : m_pipe(QFile::encodeName(pipe))
        , m_thread([this] { run(); })
    {
    }
    ~PipeReleaser()
    {
        m_stop = true;
        m_thread.join();
    }
    PipeReleaser(const PipeReleaser&) = delete;
    PipeReleaser& operator=(const PipeReleaser&) = delete;

private:
    void run()
    {
        while (!m_stop) {
            // Succeeds only while someone has the pipe open for reading.
            const int fd = ::open(m_pipe.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    QByteArray m_pipe;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
#endif


} // namespace

Q_DECLARE_METATYPE(SequenceFile)

class TestSequenceFileFormat : public QObject {
    Q_OBJECT
private slots:
    void writerMatchesGoldenFiles_data();
    void writerMatchesGoldenFiles();
    void writerLineForm_data();
    void writerLineForm();

    void readerAcceptsLenientForms_data();
    void readerAcceptsLenientForms();
    void readerTakesNoServoChoiceAsNone();
    void readerRoundTripsWrittenFiles();
    void readerReportsEventProgress();
    void scannerKeepsTextOfATemporary();

    void readerRejects_data();
    void readerRejects();

    void readRejectsHugeFile_data();
    void readRejectsHugeFile();
    void readAcceptsValidStartOfLongFile();
    void readRejectsWhatIsNotARegularFile_data();
    void readRejectsWhatIsNotARegularFile();
};

void TestSequenceFileFormat::writerMatchesGoldenFiles_data()
{
    QTest::addColumn<SequenceFile>("file");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("worked example, 302 bytes") << workedExample() << dataFile("worked-example.dat");
    QTest::newRow("new sequence") << SequenceFile() << dataFile("new-sequence.dat");
    QTest::newRow("every value changed") << richFile() << dataFile("all-settings.dat");
}

void TestSequenceFileFormat::writerMatchesGoldenFiles()
{
    QFETCH(SequenceFile, file);
    QFETCH(QByteArray, golden);
    QCOMPARE(SequenceFileWriter::encode(file), golden);
}

void TestSequenceFileFormat::writerLineForm_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("event 15 takes two digits") << 0 << 15 << QByteArray("\"15\"\r\n");
    QTest::newRow("event 49 is quoted") << 49 << 0 << QByteArray("\"0\"\r\n");
    QTest::newRow("last event is bare") << 58 << 49 << QByteArray("49\r\n");
    QTest::newRow("colour is bare") << 50 << 7 << QByteArray("7\r\n");
    QTest::newRow("negative spare colour") << 54 << -1 << QByteArray("-1\r\n");
    QTest::newRow("test speed") << 64 << 100 << QByteArray("100\r\n");
}

void TestSequenceFileFormat::writerLineForm()
{
    QFETCH(int, position);
    QFETCH(int, value);
    QFETCH(QByteArray, line);
    QCOMPARE(SequenceFileWriter::encodeLine(position, value), line);
}

void TestSequenceFileFormat::readerAcceptsLenientForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QList<QByteArray> fields = workedExampleFields();
    QList<QByteArray> quotedEverywhere;
    QList<QByteArray> blanksInFront;
    for (const QByteArray& field : fields) {
        quotedEverywhere << '"' + field + '"';
        blanksInFront << "  \t " + field;
    }
    QTest::newRow("as written") << dataFile("worked-example.dat");
    QTest::newRow("one line, commas") << fields.join(',') + "\r\n";
    QTest::newRow("one line, commas, no line end") << fields.join(',');
    QTest::newRow("quoted one line") << quotedEverywhere.join(',');
    QTest::newRow("no quotes") << lines(fields);
    QTest::newRow("every value quoted") << lines(quotedEverywhere);
    QTest::newRow("blanks in front") << lines(blanksInFront);
    QTest::newRow("blanks around commas") << fields.join(" , ");
    QTest::newRow("LF only") << lines(fields, "\n");
    QTest::newRow("five values a line") << [&] {
        QByteArray bytes;
        for (int i = 0; i < fields.size(); ++i)
            bytes += fields[i] + ((i % 5 == 4) ? "\r\n" : ",");
        return bytes;
    }();
    QTest::newRow("more than 65 values")
        << dataFile("worked-example.dat") + "\"3\"\r\n99\r\nnot a number\r\n";
    QTest::newRow("junk after the 65th value")
        << dataFile("worked-example.dat") + QByteArray(100, '\0');
}

void TestSequenceFileFormat::readerAcceptsLenientForms()
{
    QFETCH(QByteArray, bytes);
    const SequenceFileReader::Result result = SequenceFileReader::parse(bytes);
    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(*result.file, workedExample());
}

void TestSequenceFileFormat::readerTakesNoServoChoiceAsNone()
{
    QList<QByteArray> fields = workedExampleFields();
    fields[SequenceFile::FirstServoMode] = "0";
    fields[SequenceFile::FirstServoMode + 1] = "-1";
    const SequenceFileReader::Result result = SequenceFileReader::parse(lines(fields));
    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(result.file->servoModes[0], ServoControl::Off);
    QCOMPARE(result.file->servoModes[1], ServoControl::None);
}

void TestSequenceFileFormat::readerRoundTripsWrittenFiles()
{
    for (const SequenceFile& file : {SequenceFile(), workedExample(), richFile()}) {
        const QByteArray bytes = SequenceFileWriter::encode(file);
        const SequenceFileReader::Result result = SequenceFileReader::parse(bytes);
        QVERIFY2(result.ok(), qPrintable(result.problem));
        QCOMPARE(SequenceFileWriter::encode(*result.file), bytes);
    }
}

void TestSequenceFileFormat::readerReportsEventProgress()
{
    QList<int> reported;
    SequenceFileReader::parse(dataFile("worked-example.dat"), true,
                              [&](int events) { reported << events; });
    QCOMPARE(reported, everyEventCount());
}

void TestSequenceFileFormat::scannerKeepsTextOfATemporary()
{
    // The bytes given are gone once the constructor returns (caught by the
    // address sanitizer if the scanner only referred to them).
    FieldScanner scanner(QByteArray("12,\"34\"").append(QByteArray(64, ' ')), true);
    QCOMPARE(scanner.next().text, QByteArray("12"));
    QCOMPARE(scanner.next().text, QByteArray("34"));
    QCOMPARE(scanner.next().status, FieldScanner::Status::EndOfData);
}

void TestSequenceFileFormat::readerRejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QByteArray shortFile = dataFile("worked-example.dat");
    shortFile.chop(QByteArray("20\r\n").size());
    QTest::newRow("empty file")
        << QByteArray()
        << "Line 1: expected value 1 of 65, the value of event 1 (-32768 to "
           "32767), found the end of the file.";
    QTest::newRow("64 values")
        << shortFile
        << "Line 65: expected value 65 of 65, the test speed (1 to 100), found "
           "the end of the file.";
    QTest::newRow("event not a number") << withField(3, "x3")
                                        << "Line 4: expected value 4 of 65, the value of event 4 "
                                           "(-32768 to 32767), found \"x3\".";
    QTest::newRow("fraction") << withField(3, "1.5") << "Line 4: expected value 4";
    QTest::newRow("empty line") << withField(3, "") << "found nothing.";
    QTest::newRow("event beyond 16 bits") << withField(3, "40000") << "Line 4: expected value 4";
    QTest::newRow("huge digits") << withField(3, QByteArray(40, '9'))
                                 << "\"99999999999999999999...\"";
    QTest::newRow("colour 8") << withField(51, "8")
                              << "Line 52: expected value 52 of 65, the colour of LED#2 (0 to 7), "
                                 "found \"8\".";
    QTest::newRow("colour -1") << withField(50, "-1") << "the colour of LED#1 (0 to 7)";
    QTest::newRow("spare colour beyond 16 bits")
        << withField(57, "32768") << "spare colour entry 4";
    QTest::newRow("last event 50") << withField(58, "50")
                                   << "Line 59: expected value 59 of 65, the last event (0 to 49 "
                                      "for events 1 to 50), found \"50\".";
    QTest::newRow("last event -1")
        << withField(58, "-1") << "the last event (0 to 49 for events 1 to 50)";
    QTest::newRow("servo 16") << withField(62, "16")
                              << "the servo-control choice of LED#4 (-1 to 15), found \"16\".";
    QTest::newRow("servo -2") << withField(59, "-2") << "the servo-control choice of LED#1";
    QTest::newRow("sequencer speed 0") << withField(63, "0") << "the sequencer speed (1 to 100)";
    QTest::newRow("test speed 101") << withField(64, "101") << "the test speed (1 to 100)";
    QTest::newRow("missing closing quote")
        << QByteArray("\"1\r\n\"2\"\r\n")
        << "Line 1: expected value 1 of 65, the value of event 1 "
           "(-32768 to 32767), found a text without its closing "
           "double quote.";
    QTest::newRow("text after quote")
        << QByteArray("\"1\"x\r\n") << "found \"1\" followed by other text.";
    QTest::newRow("line counted across commas")
        << QByteArray("1,2,3\r\n4,x\r\n") << "Line 2: expected value 5 of 65";
    QTest::newRow("binary bytes")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
        << "Line 1: expected value 1 of 65, the value of event 1 (-32768 to "
           "32767), found \"?PNG\".";
}

void TestSequenceFileFormat::readerRejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const SequenceFileReader::Result result = SequenceFileReader::parse(bytes);
    QVERIFY(!result.ok());
    QVERIFY2(result.problem.contains(problem), qPrintable(result.problem));
}

void TestSequenceFileFormat::readRejectsHugeFile_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<qint64>("size");
    QTest::newRow("a megabyte on one line") << QByteArray(16, '7') << (qint64(1) << 20);
    QByteArray late(SequenceFileReader::MaxBytes - 100, ' ');
    late += dataFile("worked-example.dat");
    QTest::newRow("values that end past the limit") << late << qint64(late.size());
}

// One rule, and the message says it: the values must lie within the limit,
// whatever the size of the file (what follows them is never read).
void TestSequenceFileFormat::readRejectsHugeFile()
{
    QFETCH(QByteArray, start);
    QFETCH(qint64, size);
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.dat")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write(start));
    QVERIFY(huge.resize(size));
    huge.close();
    const SequenceFileReader::Result result = SequenceFileReader::read(huge.fileName());
    QVERIFY(!result.ok());
    // A size problem, not one of a line.
    QCOMPARE(result.problem, QStringLiteral("A sequence data file has its 65 values within its "
                                            "first 64 KB; this file does not, so it is not a "
                                            "sequence data file."));
}

void TestSequenceFileFormat::readAcceptsValidStartOfLongFile()
{
    // Everything after the 65th value is ignored, however long the rest is.
    QTemporaryDir dir;
    const QString path =
        writeFile(dir.filePath(QStringLiteral("long.dat")),
                  dataFile("worked-example.dat") + QByteArray(SequenceFileReader::MaxBytes, 'x'));
    const SequenceFileReader::Result result = SequenceFileReader::read(path);
    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(*result.file, workedExample());
}

void TestSequenceFileFormat::readRejectsWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << QStringLiteral("pipe");
    QTest::newRow("link to a pipe") << QStringLiteral("link");
    QTest::newRow("folder") << QStringLiteral("folder");
}

void TestSequenceFileFormat::readRejectsWhatIsNotARegularFile()
{
    // Opening a pipe without a writer would block the program.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.dat"));
#ifdef Q_OS_UNIX
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const PipeReleaser releaser(pipe);
#else
    if (kind != QLatin1String("folder"))
        QSKIP("named pipes are Unix files");
#endif
    QString path = pipe;
    if (kind == QLatin1String("link")) {
        path = dir.filePath(QStringLiteral("link.dat"));
        QVERIFY(QFile::link(pipe, path));
    } else if (kind == QLatin1String("folder")) {
        path = dir.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    }
    const SequenceFileReader::Result result = SequenceFileReader::read(path);
    QVERIFY(!result.ok());
    QCOMPARE(result.problem, SequenceFileReader::notRegularFileProblem());
}

QTEST_GUILESS_MAIN(TestSequenceFileFormat)
#include "tst_sequencefileformat.moc"
