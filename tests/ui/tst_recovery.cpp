// SPDX-License-Identifier: MIT
#include "FileFixtures.h"
#include "RecoveryController.h"
#include "RecoveryFixtures.h"
#include "ScriptedPrompts.h"
#include "SequenceDocument.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <sys/wait.h>
#include <unistd.h>

using Answer = UserPrompts::Answer;
Q_DECLARE_METATYPE(QList<UserPrompts::Answer>)
using RecoveryFixtures::sameCopy;

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void answersToTheQuestion_data();
    void answersToTheQuestion();
    void badCopies_data();
    void badCopies();
    void locksOfDeadProgramsGo();
    void copiesOfSeveralWindows_data();
    void copiesOfSeveralWindows();
    void copyFollowsTheDocument();
    void noCopiesPossibleSaidOnce_data();
    void noCopiesPossibleSaidOnce();

private:
    QString folder() const { return m_dir->filePath(QStringLiteral("recovery")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

RecoveryStore::Copy copyOf(SequenceDocument& document)
{
    const SequenceFile file = SequenceFile::capture(document.sequence(), document.settings());
    return {SequenceFileWriter::encode(file), document.rememberedFile(), document.caption()};
}

struct Start {
    explicit Start(const QString& folder)
        : controller(document, prompts, std::make_unique<RecoveryStore>(folder))
    {
        controller.setDelays(5, 20);
    }
    SequenceDocument document;
    ScriptedPrompts prompts;
    RecoveryController controller;
};

QStringList filesIn(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files);
}

// A program that writes its copy and dies, its lock left behind; `saved`: its
// work was saved first, so only the lock is left.
bool leaveCopy(const QString& folder, const RecoveryStore::Copy& copy, bool saved = false)
{
    const pid_t child = ::fork();
    if (child == 0) {
        RecoveryStore store(folder);
        const bool written = store.write(copy).isEmpty();
        if (saved)
            store.removeOwn();
        ::_exit(written ? 0 : 1);
    }
    int status = -1;
    return ::waitpid(child, &status, 0) == child && status == 0;
}

} // namespace

void RecoveryTest::answersToTheQuestion_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Yes restores") << Answer::Yes;
    QTest::newRow("No discards") << Answer::No;
    QTest::newRow("Cancel keeps for later") << Answer::Cancel;
}

void RecoveryTest::answersToTheQuestion()
{
    QFETCH(Answer, answer);
    std::mt19937_64 random(30);
    const RecoveryStore::Copy left = RecoveryFixtures::randomCopy(random);
    QVERIFY(leaveCopy(folder(), left));
    {
        Start start(folder());
        start.prompts.nextAnswer(answer);
        start.controller.offerLeftCopies();
        QCOMPARE(start.prompts.messages[0].buttons, UserPrompts::Buttons::YesNoCancel);
        QVERIFY(start.prompts.messages[0].text.contains(QStringLiteral("Yes restores")));
        const bool restored = answer == Answer::Yes;
        QCOMPARE(sameCopy(copyOf(start.document), left), restored);
        QCOMPARE(start.document.isClean(), !restored);
        QVERIFY(!start.document.undoStack().canUndo());
        // Another start meanwhile is offered only what was kept for later.
        QCOMPARE(RecoveryStore(folder()).takeLeftCopies().size(), size_t(answer == Answer::Cancel));
        if (restored) { // an edit and its undo return to the restored, unsaved work
            start.document.toggleCell(0, 0);
            start.document.undoStack().undo();
            QVERIFY(sameCopy(copyOf(start.document), left));
            QVERIFY(!start.document.isClean());
        }
    }
    // A normal end removes what it restored; a copy kept for later stays.
    QCOMPARE(filesIn(folder(), QStringLiteral("*.dat")).size(),
             qsizetype(answer == Answer::Cancel));
}

void RecoveryTest::badCopies_data()
{
    QTest::addColumn<QByteArray>("data"); // empty: no data file
    QTest::addColumn<QByteArray>("sidecar");
    QTest::addColumn<QString>("says"); // in the message; the copy is in the folder as copy-5-6-c
    std::mt19937_64 random(31);
    const QByteArray good = SequenceFileWriter::encode(RecoveryFixtures::randomFile(random));
    const QByteArray bad = "\"99999\"\r\n" + good.mid(good.indexOf('\n') + 1); // out of range
    auto sidecar = [](const QByteArray& data, int format) {
        return R"({"format": )" + QByteArray::number(format) + R"(, "states": [{"sha256": ")"
               + QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() + R"("}]})";
    };
    QTest::newRow("data cut short")
        << good.left(100) << sidecar(good, 1) << "do not belong together";
    QTest::newRow("data of another state") << good << sidecar(bad, 1) << "do not belong together";
    QTest::newRow("garbage") << QByteArray(300, '\x7f') << QByteArray(50, '\x01')
                             << "do not belong together";
    QTest::newRow("matching, invalid data")
        << bad << sidecar(bad, 1) << "Line 1: expected value 1 of 65";
    QTest::newRow("newer version")
        << good << sidecar(good, RecoveryStore::FormatVersion + 1) << "newer version of Strobix";
    QTest::newRow("no sidecar") << good << QByteArray() << "/copy-5-6-c.json is missing";
    QTest::newRow("huge data") << QByteArray(200 * 1024, '7') << sidecar(good, 1)
                               << "/copy-5-6-c.dat is far too big";
    QTest::newRow("never finished") << QByteArray() << sidecar(good, 1) << "";
}

// Never offered, never fatal: said once and put aside under a name that says
// so, the bytes kept. A copy whose data was never written goes quietly.
void RecoveryTest::badCopies()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, sidecar);
    QFETCH(QString, says);
    QVERIFY(QDir().mkpath(folder()));
    const QString id = folder() + QStringLiteral("/copy-5-6-c");
    if (!data.isEmpty())
        FileFixtures::writeFile(id + QStringLiteral(".dat"), data);
    if (!sidecar.isEmpty())
        FileFixtures::writeFile(id + QStringLiteral(".json"), sidecar);
    for (int round = 0; round < 2; ++round) {
        Start start(folder());
        if (round == 0 && !data.isEmpty())
            start.prompts.nextAnswer(Answer::Ok);
        start.controller.offerLeftCopies();
        QVERIFY(start.document.isClean());
        if (round == 0 && !data.isEmpty())
            QVERIFY2(start.prompts.messages[0].text.contains(says),
                     qPrintable(start.prompts.messages[0].text));
    }
    const QStringList aside = filesIn(folder(), QStringLiteral("*-unreadable-*.dat"));
    QCOMPARE(aside.size(), data.isEmpty() ? 0 : 1);
    if (!data.isEmpty())
        QCOMPARE(FileFixtures::contentOf(folder() + u'/' + aside[0]), data);
    QVERIFY(filesIn(folder(), QStringLiteral("copy-5-6-c.*")).isEmpty());
}

// A program that died with no copy on disk (before its first, or after its
// work was saved) leaves only its lock: the next start clears it quietly, and
// leaves a running program's alone.
void RecoveryTest::locksOfDeadProgramsGo()
{
    std::mt19937_64 random(33);
    RecoveryStore running(folder());
    QCOMPARE(running.write(RecoveryFixtures::randomCopy(random)), QString());
    running.removeOwn();
    QVERIFY(leaveCopy(folder(), RecoveryFixtures::randomCopy(random), true));
    QCOMPARE(filesIn(folder(), QStringLiteral("*.lock")).size(), 2);
    {
        Start start(folder());
        start.controller.offerLeftCopies();
    }
    QCOMPARE(QDir(folder()).entryList(QDir::Files),
             QStringList{running.ownId() + QStringLiteral(".lock")});
}

void RecoveryTest::copiesOfSeveralWindows_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("notes"); // of each question; empty: none
    QTest::addColumn<int>("waiting");       // copies left for the next start
    QTest::newRow("two, Yes") << 2 << QList{Answer::Yes} << QStringList{"another window"} << 1;
    QTest::newRow("two, No then Yes")
        << 2 << QList{Answer::No, Answer::Yes} << QStringList{"another window", ""} << 0;
    QTest::newRow("three, Cancel then Yes")
        << 3 << QList{Answer::Cancel, Answer::Yes}
        << QStringList{"2 other windows", "another window"} << 2;
    QTest::newRow("two, none restored")
        << 2 << QList{Answer::Cancel, Answer::No} << QStringList{"another window", ""} << 1;
}

// One window takes one copy: the question says that others wait, and what
// becomes of them.
void RecoveryTest::copiesOfSeveralWindows()
{
    QFETCH(int, copies);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, notes);
    QFETCH(int, waiting);
    std::mt19937_64 random(34);
    for (int copy = 0; copy < copies; ++copy)
        QVERIFY(leaveCopy(folder(), RecoveryFixtures::randomCopy(random)));
    {
        Start start(folder());
        for (const Answer answer : answers)
            start.prompts.nextAnswer(answer);
        start.controller.offerLeftCopies();
        QCOMPARE(start.prompts.messages.size(), notes.size());
        for (int index = 0; index < notes.size(); ++index) {
            const QString text = start.prompts.messages[index].text;
            QVERIFY2(notes[index].isEmpty()
                         ? !text.contains(QStringLiteral("kept too"))
                         : text.contains(notes[index] + QStringLiteral(" was kept too")),
                     qPrintable(text));
        }
    }
    QCOMPARE(RecoveryStore(folder()).takeLeftCopies().size(), size_t(waiting));
}

// Seeded random edits, saves, New/Clear, undo and redo: the copy on disk is
// the document exactly while it has unsaved work other than what New/Clear
// leaves, else there is none; none is left after a normal end.
void RecoveryTest::copyFollowsTheDocument()
{
    std::mt19937_64 random(32);
    auto start = std::make_unique<Start>(folder());
    SequenceDocument& document = start->document;
    const RecoveryStore& store = start->controller.store();
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
        SequenceFile blank;
        blank.picSpeed = document.settings().picSpeed();
        const bool keep = !document.isClean()
                          && (copyOf(document).data != SequenceFileWriter::encode(blank)
                              || !document.rememberedFile().isEmpty());
        QVERIFY2(QTest::qWaitFor([&] {
                     const RecoveryStore::Reading reading = store.read({store.ownId(), {}, {}});
                     return keep ? reading.ok() && sameCopy(*reading.copy, copyOf(document))
                                 : !QFile::exists(store.dataPath(store.ownId()));
                 }),
                 qPrintable(QStringLiteral("step %1: copy expected: %2").arg(step).arg(keep)));
    }
    start.reset();
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());
}

void RecoveryTest::noCopiesPossibleSaidOnce_data()
{
    QTest::addColumn<QString>("disk"); // mount options of a tmpfs, or a file in the way
    QTest::newRow("data folder is a file") << "file";
    QTest::newRow("a file above the data folder") << "file above";
    QTest::newRow("read-only file system") << "ro,size=64k";
    QTest::newRow("full disk") << "size=64k";
    QTest::newRow("full once the lock is made") << "size=64k,spare";
}

void RecoveryTest::noCopiesPossibleSaidOnce()
{
    QFETCH(QString, disk);
    QString where = folder();
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder()});
    });
    if (disk.startsWith(QLatin1String("file"))) {
        FileFixtures::writeFile(folder(), "x");
        if (disk.endsWith(QLatin1String("above")))
            where += QStringLiteral("/below");
    } else {
        QVERIFY(QDir().mkpath(folder()));
        const QString mount = QStringLiteral("-t tmpfs -o %1 tmpfs \"%2\"")
                                  .arg(QString(disk).remove(QStringLiteral(",spare")), folder());
        mounted = QProcess::execute(QStringLiteral("mount"), QProcess::splitCommand(mount)) == 0;
        if (!mounted)
            QSKIP("mounting a tmpfs needs root");
        if (!disk.startsWith(QLatin1String("ro"))) // leaves a page free, or none
            FileFixtures::writeFile(
                folder() + QStringLiteral("/filler"),
                QByteArray(disk.endsWith(QLatin1String("spare")) ? 60 << 10 : 64 << 10, 'f'));
    }
    Start start(where);
    start.prompts.nextAnswer(Answer::Ok);
    for (int edit = 0; edit < 5; ++edit) {
        start.document.toggleCell(edit % 4, edit);
        QTest::qWait(30); // past the longest wait: each edit would be written
    }
    QCOMPARE(start.prompts.messages.size(), 1);
    QVERIFY2(start.prompts.messages[0].text.contains(where), qPrintable(where));
    QCOMPARE(start.document.sequence().cell(3, 3), 1); // editing went on
    QVERIFY(filesIn(where, QStringLiteral("*.dat")).isEmpty());
}

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
