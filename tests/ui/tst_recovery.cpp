// SPDX-License-Identifier: MIT
#include "FileFixtures.h"
#include "RecoveryController.h"
#include "RecoveryFixtures.h"
#include "ScriptedPrompts.h"
#include "SequenceDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using Answer = UserPrompts::Answer;
using RecoveryFixtures::readBack;
using RecoveryFixtures::sameCopy;

// The editor's side of recovery copies: what is written as the document
// changes, what a start offers and what each answer does.
class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void answersToTheQuestion_data();
    void answersToTheQuestion();
    void unreadableCopySaidOnceAndPutAside();
    void copyFollowsTheDocument();
    void noCopiesPossibleSaidOnce_data();
    void noCopiesPossibleSaidOnce();

private:
    QString folder() const { return m_dir->filePath(QStringLiteral("recovery")); }
    std::unique_ptr<RecoveryController>
    controllerFor(SequenceDocument& document, ScriptedPrompts& prompts, const QString& where);

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

RecoveryStore::Copy copyOf(SequenceDocument& document)
{
    const SequenceFile file = SequenceFile::capture(document.sequence(), document.settings());
    return {SequenceFileWriter::encode(file), document.rememberedFile(), document.caption()};
}

int filesIn(const QString& folder)
{
    return int(QDir(folder).entryList({QStringLiteral("copy-*.dat")}, QDir::Files).size());
}

} // namespace

void RecoveryTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

std::unique_ptr<RecoveryController> RecoveryTest::controllerFor(SequenceDocument& document,
                                                                ScriptedPrompts& prompts,
                                                                const QString& where)
{
    auto controller = std::make_unique<RecoveryController>(document, prompts,
                                                           std::make_unique<RecoveryStore>(where));
    controller->setDelays(5, 20);
    return controller;
}

void RecoveryTest::answersToTheQuestion_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("copiesAfterwards"); // on disk once the program ended normally
    QTest::newRow("Yes restores") << Answer::Yes << 0;
    QTest::newRow("No discards") << Answer::No << 0;
    QTest::newRow("Cancel keeps for later") << Answer::Cancel << 1;
}

void RecoveryTest::answersToTheQuestion()
{
    QFETCH(Answer, answer);
    QFETCH(int, copiesAfterwards);
    std::mt19937_64 random(30);
    const RecoveryStore::Copy left = RecoveryFixtures::randomCopy(random);
    QVERIFY(!RecoveryFixtures::leaveCopyOfDeadProgram(folder(), left).isEmpty());
    {
        SequenceDocument document;
        ScriptedPrompts prompts;
        prompts.nextAnswer(answer);
        auto controller = controllerFor(document, prompts, folder());
        controller->offerLeftCopies();
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].buttons, UserPrompts::Buttons::YesNoCancel);
        QVERIFY(prompts.messages[0].text.contains(QStringLiteral("Yes restores")));
        const bool restored = answer == Answer::Yes;
        QCOMPARE(sameCopy(copyOf(document), left), restored);
        QCOMPARE(document.isClean(), !restored);
        QVERIFY(!document.undoStack().canUndo());
        // Another start meanwhile finds nothing to offer: the copy is held or gone.
        QVERIFY(RecoveryStore(folder()).takeLeftCopies().empty() || answer == Answer::Cancel);
        if (restored) { // an edit and its undo return to the restored, unsaved state
            document.toggleCell(0, 0);
            document.undoStack().undo();
            QVERIFY(sameCopy(copyOf(document), left));
            QVERIFY(!document.isClean());
        }
    }
    QCOMPARE(filesIn(folder()), copiesAfterwards);
}

void RecoveryTest::unreadableCopySaidOnceAndPutAside()
{
    QVERIFY(QDir().mkpath(folder()));
    FileFixtures::writeFile(folder() + QStringLiteral("/copy-5-6-c.dat"), "garbage");
    FileFixtures::writeFile(folder() + QStringLiteral("/copy-5-6-c.json"), "{}");
    for (int start = 0; start < 2; ++start) {
        SequenceDocument document;
        ScriptedPrompts prompts;
        if (start == 0)
            prompts.nextAnswer(Answer::Ok);
        controllerFor(document, prompts, folder())->offerLeftCopies();
        QVERIFY(document.isClean());
        if (start == 0) {
            QCOMPARE(prompts.messages[0].icon, UserPrompts::Icon::Exclamation);
            QVERIFY(prompts.messages[0].text.contains(QStringLiteral("-unreadable-")));
        }
    }
    QCOMPARE(QDir(folder()).entryList({QStringLiteral("*-unreadable-*.dat")}).size(), 1);
}

// Seeded random edits, saves, New/Clear, undo and redo: once the waits are
// over, the copy on disk is the document exactly when it has unsaved work
// worth keeping, and there is none otherwise.
void RecoveryTest::copyFollowsTheDocument()
{
    std::mt19937_64 random(31);
    SequenceDocument document;
    ScriptedPrompts prompts;
    auto controller = controllerFor(document, prompts, folder());
    const RecoveryStore& store = controller->store();
    const std::array<std::function<void()>, 8> steps{
        [&] { document.toggleCell(int(random() % 4), int(random() % 50)); },
        [&] { document.setLastEvent(int(random() % 50)); },
        [&] { document.setServoMode(int(random() % 4), int(random() % ServoControl::Count)); },
        [&] { document.undoStack().undo(); },
        [&] { document.undoStack().redo(); },
        [&] { document.markSaved(QStringLiteral("/saved.dat"), QStringLiteral("saved")); },
        [&] { document.newSequence(QStringLiteral("new")); },
        [&] { document.settings().setPicSpeed(ProgramSettings::MinSpeed + int(random() % 9)); },
    };
    for (int step = 0; step < 120; ++step) {
        steps[random() % steps.size()]();
        const SequenceFile now = SequenceFile::capture(document.sequence(), document.settings());
        SequenceFile blank; // as New/Clear leaves it
        blank.spareColors = now.spareColors;
        blank.picSpeed = now.picSpeed;
        blank.pcSpeed = now.pcSpeed;
        const bool keep =
            !document.isClean() && (now != blank || !document.rememberedFile().isEmpty());
        QVERIFY2(QTest::qWaitFor([&] {
                     const RecoveryStore::Reading reading = readBack(store, store.ownId());
                     return keep ? reading.ok() && sameCopy(*reading.copy, copyOf(document))
                                 : !QFile::exists(store.dataPath(store.ownId()));
                 }),
                 qPrintable(QStringLiteral("step %1: copy expected: %2").arg(step).arg(keep)));
    }
    controller.reset();
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());
}

void RecoveryTest::noCopiesPossibleSaidOnce_data()
{
    QTest::addColumn<QString>("mountOptions"); // empty: the data folder is a file
    QTest::newRow("data folder is a file") << QString();
    QTest::newRow("read-only file system") << "ro,size=64k";
    QTest::newRow("full disk") << "size=64k";
}

void RecoveryTest::noCopiesPossibleSaidOnce()
{
    QFETCH(QString, mountOptions);
    std::unique_ptr<RecoveryFixtures::SmallDisk> disk;
    if (mountOptions.isEmpty()) {
        FileFixtures::writeFile(folder(), "x");
    } else {
        disk = std::make_unique<RecoveryFixtures::SmallDisk>(folder(), mountOptions);
        if (!disk->error().isEmpty())
            QSKIP(qPrintable(disk->error()));
        if (!mountOptions.startsWith(QLatin1String("ro")))
            disk->fillUp();
    }
    SequenceDocument document;
    ScriptedPrompts prompts;
    prompts.nextAnswer(Answer::Ok);
    auto controller = controllerFor(document, prompts, folder() + QStringLiteral("/recovery"));
    for (int edit = 0; edit < 5; ++edit) {
        document.toggleCell(edit % 4, edit);
        QTest::qWait(30); // past the longest wait: every edit tries a write
    }
    QVERIFY(QTest::qWaitFor([&] { return !prompts.messages.isEmpty(); }));
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY2(prompts.messages[0].text.contains(folder()), qPrintable(prompts.messages[0].text));
    QCOMPARE(document.sequence().cell(3, 3), 1); // editing went on
}

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
