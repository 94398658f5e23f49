// SPDX-License-Identifier: MIT
#include "FileFixtures.h"
#include "RecoveryFixtures.h"

#include <QTemporaryDir>
#include <QTest>

class RecoveryStoreTest : public QObject {
    Q_OBJECT

private slots:
    void everyCutOffWriteLeavesAWholeState();
};

// A copy is two files committed one after the other. Seeded series of copies:
// a crash after the sidecar's commit and before the data's (the new sidecar
// beside the old data) reads back as the state before, whole.
void RecoveryStoreTest::everyCutOffWriteLeavesAWholeState()
{
    QTemporaryDir dir;
    std::mt19937_64 random(21);
    RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
    const QString dataPath = store.dataPath(store.ownId());
    RecoveryStore::Copy before = RecoveryFixtures::randomCopy(random);
    QCOMPARE(store.write(before), QString());
    for (int step = 0; step < 40; ++step) {
        const RecoveryStore::Copy after = RecoveryFixtures::randomCopy(random);
        QCOMPARE(store.write(after), QString());
        QVERIFY(RecoveryFixtures::sameCopy(*store.read({store.ownId(), {}, {}}).copy, after));
        FileFixtures::writeFile(dataPath, before.data);
        const RecoveryStore::Reading reading = store.read({store.ownId(), {}, {}});
        QVERIFY2(reading.ok(), qPrintable(reading.problem));
        QVERIFY(RecoveryFixtures::sameCopy(*reading.copy, before));
        QCOMPARE(SequenceFileWriter::encode(*reading.file), before.data);
        FileFixtures::writeFile(dataPath, after.data);
        before = after;
    }
}

QTEST_GUILESS_MAIN(RecoveryStoreTest)
#include "tst_recoverystore.moc"
