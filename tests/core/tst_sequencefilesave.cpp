// SPDX-License-Identifier: MIT
// Saving to disk: exact bytes, atomic replacement, and failures that keep the
// old file and are always reported.
#include "FileFixtures.h"
#include "SaveFileCommit.h"
#include "SequenceFileWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <unistd.h>

using namespace FileFixtures;

namespace {

// A small tmpfs mounted on a folder for as long as the object lives, so that
// it is unmounted however the test ends (a failed check returns early).
class TmpfsMount {
public:
    explicit TmpfsMount(const QString& folder)
        : m_folder(folder)
        , m_mounted(QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                       QStringLiteral("-o"), QStringLiteral("size=16k"),
                                       QStringLiteral("tmpfs"), folder})
                    == 0)
    {
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted;
};

} // namespace

class TestSequenceFileSave : public QObject {
    Q_OBJECT
private slots:
    void savesExactBytesWithProgress();
    void replacesExistingFile();
    void failingDiskKeepsOldFile_data();
    void failingDiskKeepsOldFile();
    void fullTmpfsKeepsOldFile();
};

void TestSequenceFileSave::savesExactBytesWithProgress()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.dat"));
    QList<int> progress;
    SequenceFileWriter writer;
    const SequenceFileWriter::Result result =
        writer.save(path, workedExample(), [&](int events) { progress << events; });
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(contentOf(path), dataFile("worked-example.dat"));
    QCOMPARE(progress, everyEventCount());
}

void TestSequenceFileSave::replacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.dat"));
    writeFile(path, QByteArray(5000, 'x'));
    SequenceFileWriter writer;
    QVERIFY(writer.save(path, SequenceFile()).ok);
    QCOMPARE(contentOf(path), dataFile("new-sequence.dat"));
}

void TestSequenceFileSave::failingDiskKeepsOldFile_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<QString>("flushFault"); // empty: the final flush works
    QTest::addColumn<QString>("error");
    const QString full = FullDiskWriter::reason();
    QTest::newRow("full from the start") << qint64(0) << QString() << full;
    QTest::newRow("full within the events") << qint64(100) << QString() << full;
    QTest::newRow("full at the last line") << qint64(300) << QString() << full;
    // Every write fits the buffer; the disk fails only when the bytes are
    // pushed out just before the old file would be replaced.
    QTest::newRow("flush fails") << qint64(1000) << QStringLiteral("Input/output error")
                                 << QStringLiteral("Input/output error");
}

void TestSequenceFileSave::failingDiskKeepsOldFile()
{
    QFETCH(qint64, capacity);
    QFETCH(QString, flushFault);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QByteArray old = dataFile("all-settings.dat");
    const QString path = writeFile(dir.filePath(QStringLiteral("keep.dat")), old);
    std::optional<SaveFileCommit::InjectedFault> fault;
    if (!flushFault.isEmpty())
        fault.emplace(flushFault);

    FullDiskWriter writer(capacity);
    const SequenceFileWriter::Result result = writer.save(path, workedExample());

    QVERIFY(!result.ok);
    QCOMPARE(result.error, error);
    QCOMPARE(contentOf(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.dat")});
}

void TestSequenceFileSave::fullTmpfsKeepsOldFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root");
    QTemporaryDir dir;
    const QString mountPoint = dir.path();
    const TmpfsMount tmpfs(mountPoint);
    if (!tmpfs.mounted())
        QSKIP("cannot mount a tmpfs here");

    const QByteArray old = dataFile("all-settings.dat");
    const QString path = writeFile(dir.filePath(QStringLiteral("keep.dat")), old);
    // Fill every remaining byte of the disk.
    QFile filler(dir.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'f')) > 0) {
    }
    filler.close();

    SequenceFileWriter writer;
    const SequenceFileWriter::Result result = writer.save(path, workedExample());

    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("No space left on device"));
    QCOMPARE(contentOf(path), old);
    QCOMPARE(QDir(mountPoint).entryList(QDir::Files),
             (QStringList{QStringLiteral("filler"), QStringLiteral("keep.dat")}));
}

QTEST_GUILESS_MAIN(TestSequenceFileSave)
#include "tst_sequencefilesave.moc"
