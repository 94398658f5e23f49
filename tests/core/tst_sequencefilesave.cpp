// SPDX-License-Identifier: MIT
// Saving to disk: exact bytes, atomic replacement, and failures that keep the
// old file and are always reported.
#include "FileFixtures.h"
#include "SaveFileCommit.h"
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
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

// The kind of what a path names itself, links not followed.
mode_t kindAt(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

} // namespace

class TestSequenceFileSave : public QObject {
    Q_OBJECT
private slots:
    void savesExactBytesWithProgress();
    void replacesExistingFile();
    void failingDiskKeepsOldFile_data();
    void failingDiskKeepsOldFile();
    void fullTmpfsKeepsOldFile();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void savesThroughLinkKeepingIt();
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
    QTest::addColumn<QString>("error");
    const QString full = FullDisk::reason();
    QTest::newRow("full from the start") << qint64(0) << full;
    QTest::newRow("full within the events") << qint64(100) << full;
    QTest::newRow("full at the last line") << qint64(300) << full;
    // Every write fits; the disk fails only when the bytes are pushed out just
    // before the old file would be replaced.
    QTest::newRow("flush fails") << qint64(1000) << QStringLiteral("Input/output error");
}

void TestSequenceFileSave::failingDiskKeepsOldFile()
{
    QFETCH(qint64, capacity);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QByteArray old = dataFile("all-settings.dat");
    const QString path = writeFile(dir.filePath(QStringLiteral("keep.dat")), old);
    const SaveFileCommit::InjectedFault fault(error, capacity);

    const SequenceFileWriter::Result result = SequenceFileWriter::save(path, workedExample());

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

void TestSequenceFileSave::refusesWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind :
         {"pipe", "folder", "device", "link to itself", "loop of two links", "link to a pipe"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestSequenceFileSave::refusesWhatIsNotARegularFile()
{
    // Replacing these would destroy a device node, a pipe or the user's link.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("target.dat"));
    const QByteArray native = QFile::encodeName(path);
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target.dat")));
    } else if (kind == QLatin1String("device")) {
        // A node of its own (the null device's numbers), never the real /dev/null.
        if (::mknod(native.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("cannot create a device node here");
    } else if (kind == QLatin1String("link to itself")) {
        QVERIFY(QFile::link(QStringLiteral("target.dat"), path));
    } else if (kind == QLatin1String("loop of two links")) {
        QVERIFY(QFile::link(QStringLiteral("other.dat"), path));
        QVERIFY(
            QFile::link(QStringLiteral("target.dat"), dir.filePath(QStringLiteral("other.dat"))));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("pipe"), path));
    }
    const mode_t kindBefore = kindAt(path);
    const QStringList entriesBefore = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

    SequenceFileWriter writer;
    const SequenceFileWriter::Result result = writer.save(path, workedExample());

    QVERIFY(!result.ok);
    QCOMPARE(result.error, SequenceFileReader::notRegularFileProblem());
    QCOMPARE(kindAt(path), kindBefore);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), entriesBefore);
}

void TestSequenceFileSave::savesThroughLinkKeepingIt()
{
    QTemporaryDir dir;
    const QString real = writeFile(dir.filePath(QStringLiteral("real.dat")), "old");
    const QString link = dir.filePath(QStringLiteral("link.dat"));
    QVERIFY(QFile::link(QStringLiteral("real.dat"), link));
    SequenceFileWriter writer;
    const SequenceFileWriter::Result result = writer.save(link, workedExample());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(kindAt(link), mode_t(S_IFLNK));
    QCOMPARE(contentOf(real), dataFile("worked-example.dat"));
}

QTEST_GUILESS_MAIN(TestSequenceFileSave)
#include "tst_sequencefilesave.moc"
