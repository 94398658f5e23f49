// SPDX-License-Identifier: MIT
#include "RecoveryController.h"
#include "RecoveryFixtures.h"
#include "ScriptedPrompts.h"
#include "SequenceDocument.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program, killed with SIGKILL while it edits (at seeded random
// moments, some right as it writes its copy) and started again.
class RecoveryKillTest : public QObject {
    Q_OBJECT

private slots:
    void killedAtRandomMomentsRestoresWhatSaveWouldWrite();
    void twoProgramsAtOnceKeepTheirOwnCopies();
};

namespace {

constexpr int RunTimeoutMs = 20000;

// One run of the program: what it logged about its copies, and when it was killed.
struct Run {
    QString dataHome;
    QString file;
    QProcess process;
    QString log;
    QStringList writings;  // the data bytes (base64) of each copy begun
    int written = 0;       // copies finished
    int killAtWriting = 0; // 0: killed at a random time instead
    int spinMicroseconds = 0;
    bool killed = false;

    QString recoveryFolder() const { return dataHome + QStringLiteral("/Strobix/recovery"); }
};

void start(Run& run, const QStringList& arguments, const QString& editSeed = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), run.dataHome);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("strobix.recovery.info=true\nstrobix.startup.info=true"));
    if (!editSeed.isEmpty())
        environment.insert(QStringLiteral("STROBIX_SCRIPTED_EDITS"), editSeed);
    run.log.clear();
    run.killed = false;
    run.process.setProcessEnvironment(environment);
    run.process.setWorkingDirectory(run.dataHome); // its LED.cfg
    run.process.start(QStringLiteral(STROBIX_EXE), arguments);
    run.process.setReadChannel(QProcess::StandardError);
}

void kill(Run& run)
{
    run.process.kill(); // SIGKILL; nothing once it is dead
    run.killed = true;
}

// Reads the log as it comes; kills right as the chosen copy is begun, a few
// microseconds into writing it.
void follow(Run& run)
{
    QObject::connect(&run.process, &QProcess::readyReadStandardError, &run.process, [&run] {
        while (run.process.canReadLine()) { // whole lines only
            const QString line = QString::fromLocal8Bit(run.process.readLine());
            run.log += line;
            const QStringList words = line.simplified().split(QLatin1Char(' '));
            if (words.size() >= 3 && words[1] == QLatin1String("writing"))
                run.writings << words[2];
            else if (words.size() >= 2 && words[1] == QLatin1String("written"))
                ++run.written;
        }
        if (run.killAtWriting > 0 && run.writings.size() >= run.killAtWriting) {
            QElapsedTimer spin;
            spin.start();
            while (spin.nsecsElapsed() < run.spinMicroseconds * 1000LL) {
            }
            kill(run);
        }
    });
}

} // namespace

void RecoveryKillTest::killedAtRandomMomentsRestoresWhatSaveWouldWrite()
{
    QTemporaryDir dir;
    std::mt19937_64 random(40);
    std::array<Run, 8> runs;
    for (int index = 0; index < int(runs.size()); ++index) {
        Run& run = runs[index];
        run.dataHome = dir.filePath(QString::number(index));
        QVERIFY(QDir().mkpath(run.dataHome));
        run.file = run.dataHome + QStringLiteral("/show.dat");
        QVERIFY(SequenceFileWriter().save(run.file, RecoveryFixtures::randomFile(random)).ok);
        // Half are killed as a copy is begun (the second copy for some), half
        // at any time in the first six seconds.
        run.killAtWriting = index % 2 == 0 ? 1 + index % 4 / 2 : 0;
        run.spinMicroseconds = int(random() % 3000);
        follow(run);
        start(run, {run.file}, QString::number(random()));
        if (run.killAtWriting == 0)
            QTimer::singleShot(int(random() % 6000), &run.process, [&run] { kill(run); });
    }
    QVERIFY(QTest::qWaitFor(
        [&] {
            return std::all_of(runs.begin(), runs.end(), [](const Run& run) { return run.killed; });
        },
        RunTimeoutMs));

    for (Run& run : runs) {
        run.process.waitForFinished();
        // Started again, the program asks (the question stays open until it is killed).
        if (run.written > 0) {
            run.killAtWriting = 0;
            start(run, {});
            QVERIFY2(QTest::qWaitFor([&] { return run.log.contains(QLatin1String("offering")); },
                                     RunTimeoutMs),
                     qPrintable(run.log));
            kill(run);
            run.process.waitForFinished();
        }
        // The next start, answering Yes.
        SequenceDocument document;
        ScriptedPrompts prompts;
        bool restored = false;
        prompts.nextAnswer([&restored](const UserPrompts::Message&) {
            restored = true;
            return UserPrompts::Answer::Yes;
        });
        {
            RecoveryController controller(document, prompts,
                                          std::make_unique<RecoveryStore>(run.recoveryFolder()));
            controller.offerLeftCopies();
            if (!restored) // a copy never finished is no copy: nothing is asked at all
                prompts.forgetMisfits();
        }
        const QString report = QStringLiteral("%1 begun, %2 finished, restored: %3\n%4")
                                   .arg(run.writings.size())
                                   .arg(run.written)
                                   .arg(restored ? "yes" : "no", run.log.right(2000));
        qInfo("%s", qPrintable(report.section(QLatin1Char('\n'), 0, 0)));
        QVERIFY2(restored || run.written == 0, qPrintable(report));
        if (!restored)
            continue;
        // The last copy begun, or the one before when the kill cut that one off.
        const SequenceFile file = SequenceFile::capture(document.sequence(), document.settings());
        const QString got = QString::fromLatin1(SequenceFileWriter::encode(file).toBase64());
        const bool lastOne = !run.writings.isEmpty() && got == run.writings.last();
        const bool oneBefore = run.written < run.writings.size() && run.writings.size() >= 2
                               && got == run.writings[run.writings.size() - 2];
        QVERIFY2(lastOne || oneBefore, qPrintable(report));
        QCOMPARE(document.rememberedFile(), run.file);
    }
}

void RecoveryKillTest::twoProgramsAtOnceKeepTheirOwnCopies()
{
    QTemporaryDir dir;
    std::mt19937_64 random(41);
    std::array<Run, 2> runs;
    for (Run& run : runs) {
        run.dataHome = dir.path();
        run.file = dir.filePath(QStringLiteral("show%1.dat").arg(&run - runs.data()));
        QVERIFY(SequenceFileWriter().save(run.file, RecoveryFixtures::randomFile(random)).ok);
        follow(run);
    }
    start(runs[0], {runs[0].file});
    QVERIFY(QTest::qWaitFor([&] { return runs[0].written > 0; }, RunTimeoutMs));
    start(runs[1], {runs[1].file});
    QVERIFY(QTest::qWaitFor([&] { return runs[1].written > 0; }, RunTimeoutMs));
    QVERIFY2(!runs[1].log.contains(QLatin1String("offering")), qPrintable(runs[1].log));
    for (Run& run : runs) {
        kill(run);
        run.process.waitForFinished();
    }
    // Each copy is its own program's, whole.
    RecoveryStore store(runs[0].recoveryFolder());
    std::vector<RecoveryStore::LeftCopy> left = store.takeLeftCopies();
    QCOMPARE(left.size(), size_t(2));
    QStringList found;
    for (const RecoveryStore::LeftCopy& copy : left)
        found << QString::fromLatin1(store.read(copy).copy->data.toBase64());
    found.sort();
    const auto [first, second] = std::minmax(runs[0].writings.last(), runs[1].writings.last());
    QCOMPARE(found, (QStringList{first, second}));
}

QTEST_MAIN(RecoveryKillTest)
#include "tst_recoverykill.moc"
