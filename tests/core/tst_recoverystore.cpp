// SPDX-License-Identifier: MIT
#include "FileFixtures.h"
#include "RecoveryFixtures.h"
#include "RecoveryStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using RecoveryFixtures::leaveCopyOfDeadProgram;
using RecoveryFixtures::readBack;
using RecoveryFixtures::sameCopy;

// Recovery copies on disk: what a later start reads back, whose copies it may
// take, and what it does with copies it cannot read.
class RecoveryStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void everyWriteReadsBackWhole();
    void cutOffWriteLeavesAStateWritten();
    void copiesOfRunningProgramsAreNotTaken();
    void staleLockOfDeadProgramIsTaken();
    void answersToALeftCopy();
    void unreadableCopies_data();
    void unreadableCopies();
    void unfinishedFirstCopyGoesQuietly();
    void folderThatCannotHoldCopies_data();
    void folderThatCannotHoldCopies();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->filePath(QStringLiteral("recovery")); }
};

void RecoveryStoreTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Seeded series of copies: each reads back exactly as written, names included.
void RecoveryStoreTest::everyWriteReadsBackWhole()
{
    std::mt19937_64 random(20);
    RecoveryStore store(folder());
    for (int step = 0; step < 40; ++step) {
        const RecoveryStore::Copy copy = RecoveryFixtures::randomCopy(random);
        QCOMPARE(store.write(copy), QString());
        const RecoveryStore::Reading reading = readBack(store, store.ownId());
        QVERIFY2(reading.ok(), qPrintable(reading.problem));
        QVERIFY(sameCopy(*reading.copy, copy));
        QCOMPARE(SequenceFileWriter::encode(*reading.file), copy.data);
        if (step % 7 == 6) { // Save removes it; the next edit starts afresh
            store.removeOwn();
            QVERIFY(!readBack(store, store.ownId()).ok());
        }
    }
}

// A crash between the sidecar's commit and the data's leaves the new sidecar
// beside the old data: that is still the earlier state, whole.
void RecoveryStoreTest::cutOffWriteLeavesAStateWritten()
{
    std::mt19937_64 random(21);
    RecoveryStore store(folder());
    RecoveryStore::Copy before = RecoveryFixtures::randomCopy(random);
    QCOMPARE(store.write(before), QString());
    for (int step = 0; step < 30; ++step) {
        const RecoveryStore::Copy after = RecoveryFixtures::randomCopy(random);
        QCOMPARE(store.write(after), QString());
        const QByteArray newData = FileFixtures::contentOf(store.dataPath(store.ownId()));
        FileFixtures::writeFile(store.dataPath(store.ownId()), before.data);
        const RecoveryStore::Reading reading = readBack(store, store.ownId());
        QVERIFY2(reading.ok(), qPrintable(reading.problem));
        QVERIFY(sameCopy(*reading.copy, before));
        FileFixtures::writeFile(store.dataPath(store.ownId()), newData);
        before = after;
    }
}

// Two programs at once (here two stores of one process): neither takes the
// other's copy, and each writes only its own.
void RecoveryStoreTest::copiesOfRunningProgramsAreNotTaken()
{
    std::mt19937_64 random(22);
    RecoveryStore first(folder());
    RecoveryStore second(folder());
    QVERIFY(first.ownId() != second.ownId());
    const RecoveryStore::Copy firstCopy = RecoveryFixtures::randomCopy(random);
    const RecoveryStore::Copy secondCopy = RecoveryFixtures::randomCopy(random);
    QCOMPARE(first.write(firstCopy), QString());
    QCOMPARE(second.write(secondCopy), QString());
    QVERIFY(first.takeLeftCopies().empty());
    QVERIFY(second.takeLeftCopies().empty());
    QVERIFY(sameCopy(*readBack(first, first.ownId()).copy, firstCopy));
    QVERIFY(sameCopy(*readBack(second, second.ownId()).copy, secondCopy));
}

void RecoveryStoreTest::staleLockOfDeadProgramIsTaken()
{
    std::mt19937_64 random(23);
    const RecoveryStore::Copy copy = RecoveryFixtures::randomCopy(random);
    const QString id = leaveCopyOfDeadProgram(folder(), copy);
    QVERIFY(!id.isEmpty());
    RecoveryStore store(folder());
    std::vector<RecoveryStore::LeftCopy> left = store.takeLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left[0].id, id);
    // Held now: another start finds it taken.
    QVERIFY(RecoveryStore(folder()).takeLeftCopies().empty());
    QVERIFY(sameCopy(*store.read(left[0]).copy, copy));
}

// Keep leaves it for the next start; discard removes it; adopt makes it this
// program's own, overwritten by the next write and gone at a normal end.
void RecoveryStoreTest::answersToALeftCopy()
{
    std::mt19937_64 random(24);
    const RecoveryStore::Copy copy = RecoveryFixtures::randomCopy(random);
    const QString id = leaveCopyOfDeadProgram(folder(), copy);
    {
        RecoveryStore store(folder());
        std::vector<RecoveryStore::LeftCopy> left = store.takeLeftCopies();
        QCOMPARE(left.size(), size_t(1));
        store.keep(std::move(left[0]));
    }
    RecoveryStore store(folder());
    std::vector<RecoveryStore::LeftCopy> left = store.takeLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    store.adopt(std::move(left[0]));
    QCOMPARE(store.ownId(), id);
    QVERIFY(RecoveryStore(folder()).takeLeftCopies().empty());
    const RecoveryStore::Copy next = RecoveryFixtures::randomCopy(random);
    QCOMPARE(store.write(next), QString());
    QVERIFY(sameCopy(*readBack(store, id).copy, next));
    store.release();
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());

    leaveCopyOfDeadProgram(folder(), copy);
    RecoveryStore later(folder());
    left = later.takeLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    later.discard(std::move(left[0]));
    QVERIFY(RecoveryStore(folder()).takeLeftCopies().empty());
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());
}

void RecoveryStoreTest::unreadableCopies_data()
{
    QTest::addColumn<QByteArray>("data"); // empty: the data file is missing
    QTest::addColumn<QByteArray>("sidecar");

    std::mt19937_64 random(25);
    const QByteArray good = SequenceFileWriter::encode(RecoveryFixtures::randomFile(random));
    const QByteArray other = SequenceFileWriter::encode(RecoveryFixtures::randomFile(random));
    auto sidecarOf = [](const QByteArray& data, int format) {
        return QStringLiteral(R"({"format": %1, "states": [{"sha256": "%2", "caption": "c"}]})")
            .arg(format)
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex()))
            .toUtf8();
    };
    QTest::newRow("data cut short") << good.left(good.size() / 2) << sidecarOf(good, 1);
    QTest::newRow("data of another state") << other << sidecarOf(good, 1);
    QTest::newRow("garbage data") << QByteArray("\x7f"
                                                "ELF\0\1\2",
                                                7)
                                  << sidecarOf(good, 1);
    const QByteArray badValue = QByteArray(good).replace("\"1\"", "\"99999999\"");
    QTest::newRow("matching but invalid data") << badValue << sidecarOf(badValue, 1);
    QTest::newRow("newer format") << good << sidecarOf(good, RecoveryStore::FormatVersion + 1);
    QTest::newRow("garbage sidecar") << good << QByteArray("{not json");
    QTest::newRow("empty sidecar") << good << QByteArray();
    QTest::newRow("huge data") << QByteArray(200 * 1024, '7') << sidecarOf(good, 1);
}

// Never offered, never fatal: put aside under a name that says so, and not
// found again by the next start.
void RecoveryStoreTest::unreadableCopies()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, sidecar);
    QVERIFY(QDir().mkpath(folder()));
    RecoveryStore store(folder());
    const QString id = QStringLiteral("copy-1-2-a");
    FileFixtures::writeFile(store.dataPath(id), data);
    FileFixtures::writeFile(store.sidecarPath(id), sidecar);

    std::vector<RecoveryStore::LeftCopy> left = store.takeLeftCopies();
    QCOMPARE(left.size(), size_t(1));
    const RecoveryStore::Reading reading = store.read(left[0]);
    QVERIFY(!reading.ok());
    QVERIFY(!reading.problem.isEmpty());
    const QString aside = store.setAside(std::move(left[0]));
    QVERIFY2(aside.contains(QStringLiteral("-unreadable-")), qPrintable(aside));
    QCOMPARE(FileFixtures::contentOf(aside), data);
    QVERIFY(!QFile::exists(store.dataPath(id)));
    QVERIFY(store.takeLeftCopies().empty());
}

// Killed before the first data file was committed: nothing to offer, nothing left.
void RecoveryStoreTest::unfinishedFirstCopyGoesQuietly()
{
    QVERIFY(QDir().mkpath(folder()));
    RecoveryStore store(folder());
    FileFixtures::writeFile(store.sidecarPath(QStringLiteral("copy-3-4-b")), "{}");
    QVERIFY(store.takeLeftCopies().empty());
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());
}

void RecoveryStoreTest::folderThatCannotHoldCopies_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("data folder is a file") << "file";
    QTest::newRow("parent is a file") << "parent file";
    QTest::newRow("read-only file system") << "read-only";
    QTest::newRow("full disk") << "full";
}

// Every write fails with a reason; nothing half-written is left to be offered.
void RecoveryStoreTest::folderThatCannotHoldCopies()
{
    QFETCH(QString, kind);
    std::unique_ptr<RecoveryFixtures::SmallDisk> disk;
    QString where = folder();
    if (kind == QLatin1String("file")) {
        FileFixtures::writeFile(where, "x");
    } else if (kind == QLatin1String("parent file")) {
        FileFixtures::writeFile(where, "x");
        where += QStringLiteral("/inner");
    } else {
        const bool readOnly = kind == QLatin1String("read-only");
        disk = std::make_unique<RecoveryFixtures::SmallDisk>(
            where, readOnly ? QStringLiteral("ro,size=64k") : QStringLiteral("size=64k"));
        if (!disk->error().isEmpty())
            QSKIP(qPrintable(disk->error()));
        if (!readOnly)
            disk->fillUp(4096); // room for the lock, then for nothing more
    }
    std::mt19937_64 random(26);
    RecoveryStore store(where);
    for (int attempt = 0; attempt < 3; ++attempt)
        QVERIFY(!store.write(RecoveryFixtures::randomCopy(random)).isEmpty());
    QVERIFY(!QFile::exists(store.dataPath(store.ownId())));
}

QTEST_GUILESS_MAIN(RecoveryStoreTest)
#include "tst_recoverystore.moc"
