// SPDX-License-Identifier: MIT
// The desktop's file type for sequence files: the shared-mime-info rules the
// package installs, compiled as the system does, must claim every file this
// program writes, under any name, and no other file named *.dat.

#include "FileFixtures.h"
#include "SequenceFileWriter.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString SequenceType = QStringLiteral("application/x-strobix-sequence");
}

class SequenceMimeTypeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void claimsSequenceFiles_data();
    void claimsSequenceFiles();
    void claimsEveryWrittenFile();
    void leavesOtherDatFilesAlone_data();
    void leavesOtherDatFilesAlone();

private:
    QString typeOf(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dataHome;
    QTemporaryDir m_files;
};

// QMimeDatabase reads the XDG folders once, on first use: point it at a
// scratch folder holding only this program's rules, compiled by the same
// tool a package installation triggers.
void SequenceMimeTypeTest::initTestCase()
{
    const QString compiler = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (compiler.isEmpty())
        QSKIP("update-mime-database (shared-mime-info) is not installed");
    const QString packages = m_dataHome.filePath(QStringLiteral("mime/packages"));
    QVERIFY(QDir().mkpath(packages));
    QVERIFY(
        QFile::copy(QStringLiteral(STROBIX_MIME_XML), packages + QStringLiteral("/strobix.xml")));
    QCOMPARE(QProcess::execute(compiler, {m_dataHome.filePath(QStringLiteral("mime"))}), 0);
    qputenv("XDG_DATA_HOME", m_dataHome.path().toLocal8Bit());
    QVERIFY(QMimeDatabase().mimeTypeForName(SequenceType).isValid());
}

QString SequenceMimeTypeTest::typeOf(const QString& name, const QByteArray& bytes)
{
    const QString path = FileFixtures::writeFile(m_files.filePath(name), bytes);
    return QMimeDatabase().mimeTypeForFile(path).name();
}

void SequenceMimeTypeTest::claimsSequenceFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    for (const char* sample : {"new-sequence.dat", "worked-example.dat", "all-settings.dat"})
        QTest::newRow(sample) << QString::fromLatin1(sample) << FileFixtures::dataFile(sample);
    const QByteArray example = FileFixtures::dataFile("worked-example.dat");
    QTest::newRow("capital extension") << QStringLiteral("LIGHTS.DAT") << example;
    QTest::newRow("no extension") << QStringLiteral("lights") << example;
}

void SequenceMimeTypeTest::claimsSequenceFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QCOMPARE(typeOf(name, bytes), SequenceType);
}

// The rule reads the first two event values, which take one or two digits.
void SequenceMimeTypeTest::claimsEveryWrittenFile()
{
    QRandomGenerator random(1307);
    for (int round = 0; round < 40; ++round) {
        SequenceFile file;
        for (int& event : file.events)
            event = random.bounded(16);
        const QByteArray bytes = SequenceFileWriter::encode(file);
        QVERIFY2(typeOf(QStringLiteral("written-%1.dat").arg(round), bytes) == SequenceType,
                 bytes.left(12).toPercentEncoding().constData());
    }
}

void SequenceMimeTypeTest::leavesOtherDatFilesAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("time,value\r\n0,1\r\n");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe\x10\x00\x7f", 8);
    QTest::newRow("line feeds only") << QByteArray("\"1\"\n\"2\"\n\"5\"\n");
    QTest::newRow("quoted words") << QByteArray("\"a\"\r\n\"b\"\r\n");
    QTest::newRow("one quoted number") << QByteArray("\"12\"\r\nplain\r\n");
    QTest::newRow("three-digit value") << QByteArray("\"123\"\r\n\"4\"\r\n");
    QTest::newRow("empty") << QByteArray();
}

void SequenceMimeTypeTest::leavesOtherDatFilesAlone()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(typeOf(QStringLiteral("other.dat"), bytes) != SequenceType);
    QVERIFY(typeOf(QStringLiteral("OTHER.DAT"), bytes) != SequenceType);
}

QTEST_GUILESS_MAIN(SequenceMimeTypeTest)
#include "tst_sequencemimetype.moc"
