// Saving to disk: exact bytes, atomic replacement, and failures that keep the
// old file and are always reported.
#include "SequenceFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QByteArray dataFile(const char* name)
{
    QFile file(QStringLiteral(STROBIX_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return file.readAll();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

SequenceFile workedExample()
{
    SequenceFile file;
    file.events[0] = 1;
    file.events[1] = 2;
    file.events[2] = 5;
    return file;
}

// A disk that fills up after a given number of bytes.
class FullDiskWriter : public SequenceFileWriter {
public:
    explicit FullDiskWriter(qint64 capacity)
        : m_capacity(capacity)
    {
    }

protected:
    QString writeBytes(QFileDevice& device, const QByteArray& bytes) override
    {
        if (m_written + bytes.size() > m_capacity)
            return QStringLiteral("No space left on device");
        m_written += bytes.size();
        return SequenceFileWriter::writeBytes(device, bytes);
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
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
    QCOMPARE(progress.size(), SequenceFile::EventCount);
    QCOMPARE(progress.first(), 1);
    QCOMPARE(progress.last(), SequenceFile::EventCount);
}

void TestSequenceFileSave::replacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.dat"));
    QVERIFY(writeFile(path, QByteArray(5000, 'x')));
    SequenceFileWriter writer;
    QVERIFY(writer.save(path, SequenceFile()).ok);
    QCOMPARE(contentOf(path), dataFile("new-sequence.dat"));
}

void TestSequenceFileSave::failingDiskKeepsOldFile_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::newRow("full from the start") << qint64(0);
    QTest::newRow("full within the events") << qint64(100);
    QTest::newRow("full at the last line") << qint64(300);
}

void TestSequenceFileSave::failingDiskKeepsOldFile()
{
    QFETCH(qint64, capacity);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.dat"));
    const QByteArray old = dataFile("all-settings.dat");
    QVERIFY(writeFile(path, old));

    FullDiskWriter writer(capacity);
    const SequenceFileWriter::Result result = writer.save(path, workedExample());

    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("No space left on device"));
    QCOMPARE(contentOf(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.dat")});
}

void TestSequenceFileSave::fullTmpfsKeepsOldFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root");
    QTemporaryDir dir;
    const QString mountPoint = dir.path();
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=16k"), QStringLiteral("tmpfs"), mountPoint})
        != 0)
        QSKIP("cannot mount a tmpfs here");
    const auto unmount = qScopeGuard(
        [&] { QProcess::execute(QStringLiteral("umount"), {mountPoint}); });

    const QString path = dir.filePath(QStringLiteral("keep.dat"));
    const QByteArray old = dataFile("all-settings.dat");
    QVERIFY(writeFile(path, old));
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
