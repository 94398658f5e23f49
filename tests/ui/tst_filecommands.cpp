// SPDX-License-Identifier: MIT
// Open, Save and Merge driven through the main window's menu and buttons, with
// scripted answers for the dialogs.
#include "AppInfo.h"
#include "FileCommands.h"
#include "FileFixtures.h"
#include "LampWidget.h"
#include "ManualLocation.h"
#include "ManualStepClock.h"
#include "ScriptedPrompts.h"
#include "SequenceFileReader.h"
#include "SequenceFileWriter.h"
#include "SequenceLink.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace FileFixtures;

namespace {

using Answer = UserPrompts::Answer;

// Everything a rejected command must leave alone.
struct Snapshot {
    QByteArray sequence;
    QString caption;
    QString remembered;

    static Snapshot of(WindowUnderTest& window)
    {
        return {
            SequenceFileWriter::encode(SequenceFile::capture(window.sequence(), window.settings())),
            window.windowTitle(), window.document().rememberedFile()};
    }
    bool operator==(const Snapshot& other) const
    {
        return sequence == other.sequence && caption == other.caption
               && remembered == other.remembered;
    }
};

// Records whether the progress bar was shown while it moved, and where it went.
struct ProgressWatch {
    QList<int> values;
    bool alwaysVisible = true;

    explicit ProgressWatch(QProgressBar* bar)
    {
        QObject::connect(bar, &QProgressBar::valueChanged, bar, [this, bar](int value) {
            values << value;
            alwaysVisible = alwaysVisible && bar->isVisible();
        });
    }
};

enum class Command { Open, Save, Merge };

void trigger(WindowUnderTest& window, Command command)
{
    switch (command) {
    case Command::Open:
        window.menuOpen()->trigger();
        break;
    case Command::Save:
        window.menuSave()->trigger();
        break;
    case Command::Merge:
        window.menuMerge()->trigger();
        break;
    }
}

QList<QColor> lampColors(WindowUnderTest& window)
{
    QList<QColor> colors;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        colors << window.lamp(led)->fillColor();
    return colors;
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void dialogSettings_data();
    void dialogSettings();
    void buttonsRunTheCommands();
    void testStoppedByOpenAndSaveOnly_data();
    void testStoppedByOpenAndSaveOnly();
    void openDuringTestEndsItAfterTheStep();
    void mergeDuringTestPlaysTheMergedCells();

    void saveWritesExactBytes();
    void saveOffersRememberedFile();
    void saveAfterExampleOffersOwnFolder_data();
    void saveAfterExampleOffersOwnFolder();
    void replaceQuestion_data();
    void replaceQuestion();
    void failedSaveKeepsOldFile();
    void failedSaveSaysWhatWasKept_data();
    void failedSaveSaysWhatWasKept();

    void openRestoresEverythingAndSavesSameBytes();
    void rejectedFileChangesNothing_data();
    void rejectedFileChangesNothing();
    void mergeShowsFileAndProgress();
    void openLink_data();
    void openLink();
};

void TestFileCommands::dialogSettings_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("saving");
    QTest::newRow("open") << Command::Open
                          << "Open STROBIX Programmable LED Sequencer/Flasher Data File" << false;
    QTest::newRow("save") << Command::Save
                          << "Save STROBIX Programmable LED Sequencer/Flasher Data File" << true;
    QTest::newRow("merge") << Command::Merge
                           << "Merge STROBIX Programmable LED Sequencer/Flasher Data File" << false;
}

void TestFileCommands::dialogSettings()
{
    QFETCH(Command, command);
    QFETCH(QString, title);
    QFETCH(bool, saving);
    TestWindow window;
    window->document().setRememberedFile(window.dirPath() + QStringLiteral("/last.dat"));
    const Snapshot before = Snapshot::of(window.window());
    window.prompts().nextFile(QString()); // the user cancels

    trigger(window.window(), command);

    QCOMPARE(window.prompts().fileRequests.size(), 1);
    const UserPrompts::FileRequest request = window.prompts().fileRequests.first();
    QCOMPARE(request.title, title);
    QCOMPARE(request.filter, QStringLiteral("Data Files (*.DAT);;All Files (*.*)"));
    QCOMPARE(request.mode,
             saving ? UserPrompts::FileRequest::Mode::Save : UserPrompts::FileRequest::Mode::Open);
    // Only Save offers a name: the file last chosen.
    QCOMPARE(request.initialName, saving ? window->document().rememberedFile() : QString());
    QVERIFY(Snapshot::of(window.window()) == before);
    QCOMPARE(QDir(window.dirPath()).entryList(QDir::Files), QStringList());
    QVERIFY(window.prompts().messages.isEmpty());
}

void TestFileCommands::buttonsRunTheCommands()
{
    TestWindow window;
    window.prompts().nextFile(QString());
    window.prompts().nextFile(QString());
    window->openButton()->click();
    window->saveButton()->click();
    QCOMPARE(window.prompts().fileRequests.size(), 2);
    QCOMPARE(window.prompts().fileRequests[0].title, FileCommands::openTitle());
    QCOMPARE(window.prompts().fileRequests[1].title, FileCommands::saveTitle());
}

void TestFileCommands::testStoppedByOpenAndSaveOnly_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("runningAfter");
    QTest::newRow("open, cancelled") << Command::Open << true << false;
    QTest::newRow("save, cancelled") << Command::Save << true << false;
    QTest::newRow("merge, cancelled") << Command::Merge << true << true;
    QTest::newRow("open") << Command::Open << false << false;
    QTest::newRow("save") << Command::Save << false << false;
    QTest::newRow("merge") << Command::Merge << false << true;
}

void TestFileCommands::testStoppedByOpenAndSaveOnly()
{
    QFETCH(Command, command);
    QFETCH(bool, cancel);
    QFETCH(bool, runningAfter);
    TestWindow window;
    ManualStepClock::installIn(window->playback()); // no step ends on its own
    const QString path = window.dirPath() + QStringLiteral("/test.dat");
    if (command != Command::Save)
        writeFile(path, SequenceFileWriter::encode(richFile()));
    window->playback().start();
    bool runningInDialog = false;
    window.prompts().nextFile([&](const UserPrompts::FileRequest&) {
        runningInDialog = window->playback().isRunning();
        return cancel ? QString() : path;
    });

    trigger(window.window(), command);

    QCOMPARE(runningInDialog, runningAfter);
    QCOMPARE(window->playback().isRunning(), runningAfter);
    QVERIFY2(window.prompts().unexpected.isEmpty(),
             qPrintable(window.prompts().unexpected.join('\n')));
}

// The step under way when Open stops the test completes; then the lamps go
// dark and the Settings button is back in place of the servo stick.
void TestFileCommands::openDuringTestEndsItAfterTheStep()
{
    TestWindow window;
    ManualStepClock* clock = ManualStepClock::installIn(window->playback());
    const QString path = writeFile(window.dirPath() + QStringLiteral("/test.dat"),
                                   SequenceFileWriter::encode(richFile()));
    window->setUp()->setCell(0, 0, 1);
    window->setUp()->setServoMode(1, 0); // servo controlled: the stick replaces Settings
    window->menuTest()->trigger();
    QVERIFY(!window->settingsButton()->isVisible());
    QCOMPARE(window->lamp(0)->fillColor(), QColor(Qt::white));
    window.prompts().nextFile(path);

    window->menuOpen()->trigger();
    QVERIFY(!window->playback().isRunning());
    QCOMPARE(window->lamp(0)->fillColor(), QColor(Qt::white)); // until the step ends

    clock->fire();
    QVERIFY(!window->playback().isPlaying());
    QCOMPARE(lampColors(window.window()),
             (QList<QColor>{Qt::black, Qt::black, Qt::black, Qt::black}));
    QCOMPARE(window->timeAxis()->highlightedEvent(), -1);
    QVERIFY(window->settingsButton()->isVisible());
}

void TestFileCommands::mergeDuringTestPlaysTheMergedCells()
{
    TestWindow window;
    ManualStepClock* clock = ManualStepClock::installIn(window->playback());
    SequenceFile merged;
    merged.events[1] = 0b0100; // lights LED#3 in event 1
    const QString path = writeFile(window.dirPath() + QStringLiteral("/merged.dat"),
                                   SequenceFileWriter::encode(merged));
    window->menuTest()->trigger();
    QCOMPARE(window->timeAxis()->highlightedEvent(), 0);
    window.prompts().nextFile(path);

    window->menuMerge()->trigger();
    QVERIFY(window->playback().isRunning());
    clock->fire();
    QVERIFY(window->playback().isRunning());
    QCOMPARE(window->timeAxis()->highlightedEvent(), 1);
    QCOMPARE(lampColors(window.window()),
             (QList<QColor>{Qt::black, Qt::black, Qt::white, Qt::black}));
    QVERIFY2(window.prompts().unexpected.isEmpty(),
             qPrintable(window.prompts().unexpected.join('\n')));
}

void TestFileCommands::saveWritesExactBytes()
{
    TestWindow window;
    window->setUp()->setCell(0, 0, 1);
    window->setUp()->setCell(1, 1, 1);
    window->setUp()->setCell(0, 2, 1);
    window->setUp()->setCell(2, 2, 1);
    const QString path = window.dirPath() + QStringLiteral("/example"); // no extension added
    window.prompts().nextFile(path);
    ProgressWatch progress(window->progressBar());

    trigger(window.window(), Command::Save);

    QCOMPARE(contentOf(path), dataFile("worked-example.dat"));
    QCOMPARE(QDir(window.dirPath()).entryList(QDir::Files), QStringList{QStringLiteral("example")});
    QCOMPARE(window->windowTitle(), AppInfo::fileCaptionPrefix() + QStringLiteral("example"));
    QCOMPARE(window->document().rememberedFile(), path);
    QCOMPARE(progress.values, everyEventCount());
    QVERIFY(progress.alwaysVisible);
    QVERIFY(window->progressBar()->isHidden());
    QVERIFY(window.prompts().messages.isEmpty());
}

void TestFileCommands::saveOffersRememberedFile()
{
    TestWindow window;
    const QString first = window.dirPath() + QStringLiteral("/first.dat");
    writeFile(first, SequenceFileWriter::encode(richFile()));
    window.prompts().nextFile(first);
    trigger(window.window(), Command::Merge);
    window.prompts().nextFile(QString());
    trigger(window.window(), Command::Save);
    QCOMPARE(window.prompts().fileRequests.last().initialName, first);
}

void TestFileCommands::saveAfterExampleOffersOwnFolder_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("opened") << Command::Open;
    QTest::newRow("merged") << Command::Merge;
}

// The installed examples are read-only: Save offers the example's name in the
// user's own folder, never the examples folder.
void TestFileCommands::saveAfterExampleOffersOwnFolder()
{
    QFETCH(Command, command);
    TestWindow window;
    const QString example =
        QDir(ManualLocation::examplesFolder()).filePath(QStringLiteral("red-beacon.dat"));
    QVERIFY(QFile::exists(example));
    window.prompts().nextFile(example);
    trigger(window.window(), command);
    QCOMPARE(window->document().rememberedFile(), example);
    window.prompts().nextFile(QString());
    trigger(window.window(), Command::Save);
    QCOMPARE(window.prompts().fileRequests.last().initialName,
             QDir::current().filePath(QStringLiteral("red-beacon.dat")));
}

void TestFileCommands::replaceQuestion_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("yes replaces") << Answer::Yes << true;
    QTest::newRow("no writes nothing") << Answer::No << false;
    QTest::newRow("cancel asks for a name again") << Answer::Cancel << false;
}

void TestFileCommands::replaceQuestion()
{
    QFETCH(Answer, answer);
    QFETCH(bool, replaced);
    TestWindow window;
    const QString path = writeFile(window.dirPath() + QStringLiteral("/old.dat"), "old content");
    const QString caption = window->windowTitle();
    window.prompts().nextFile(path);
    window.prompts().nextAnswer(answer);
    if (answer == Answer::Cancel)
        window.prompts().nextFile(QString());

    trigger(window.window(), Command::Save);

    QCOMPARE(window.prompts().messages.size(), 1);
    const UserPrompts::Message question = window.prompts().messages.first();
    QCOMPARE(question.text,
             QStringLiteral("Replace existing file - ") + path + QStringLiteral("?"));
    QCOMPARE(question.icon, UserPrompts::Icon::Question);
    QCOMPARE(question.buttons, UserPrompts::Buttons::YesNoCancel);
    QVERIFY(question.title.isEmpty());
    QCOMPARE(window->document().rememberedFile(), path);
    if (answer == Answer::Cancel) {
        QCOMPARE(window.prompts().fileRequests.size(), 2);
        QCOMPARE(window.prompts().fileRequests[1].initialName, path);
    }
    QCOMPARE(contentOf(path) != "old content", replaced);
    QCOMPARE(window->windowTitle(),
             replaced ? AppInfo::fileCaptionPrefix() + QStringLiteral("old.dat") : caption);
    QCOMPARE(QDir(window.dirPath()).entryList(QDir::Files), QStringList{QStringLiteral("old.dat")});
}

void TestFileCommands::failedSaveKeepsOldFile()
{
    TestWindow window;
    const FullDisk full;
    const QByteArray old = SequenceFileWriter::encode(richFile());
    const QString path = writeFile(window.dirPath() + QStringLiteral("/keep.dat"), old);
    const QString caption = window->windowTitle();
    window.prompts().nextFile(path);
    window.prompts().nextAnswer(Answer::Yes);
    window.prompts().nextAnswer(Answer::Ok);

    trigger(window.window(), Command::Save);

    QCOMPARE(window.prompts().messages.size(), 2);
    const UserPrompts::Message failure = window.prompts().messages.last();
    QCOMPARE(failure.icon, UserPrompts::Icon::Exclamation);
    QCOMPARE(failure.buttons, UserPrompts::Buttons::Ok);
    QVERIFY(failure.text.startsWith(QStringLiteral("Cannot save ") + path + QStringLiteral("\r")));
    QVERIFY(failure.text.contains(QStringLiteral("No space left on device")));
    QCOMPARE(contentOf(path), old);
    QCOMPARE(window->windowTitle(), caption);
    QVERIFY(window->progressBar()->isHidden());
}

void TestFileCommands::failedSaveSaysWhatWasKept_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");  // empty: the system's, not checked here
    QTest::addColumn<QString>("outcome"); // the message's last line
    const QString notSaved = QStringLiteral("The sequence was not saved.");
    const QString kept = QStringLiteral(
        "The sequence was not saved; an existing file of that name was left as it was.");
    QTest::newRow("new file in a missing folder") << "missing/new.dat" << false << "" << notSaved;
    QTest::newRow("new file, disk full") << "new.dat" << true << "" << notSaved;
    QTest::newRow("existing file, disk full") << "old.dat" << true << "" << kept;
    QTest::newRow("pipe") << "pipe" << false << SequenceFileReader::notRegularFileProblem()
                          << notSaved;
    QTest::newRow("folder") << "folder" << false << SequenceFileReader::notRegularFileProblem()
                            << notSaved;
}

void TestFileCommands::failedSaveSaysWhatWasKept()
{
    QFETCH(QString, target);
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    QFETCH(QString, outcome);
    TestWindow window;
    const QDir dir(window.dirPath());
    writeFile(dir.filePath(QStringLiteral("old.dat")), "old");
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600),
             0);
#else
    if (target == QLatin1String("pipe"))
        QSKIP("named pipes are Unix files");
#endif
    QVERIFY(dir.mkdir(QStringLiteral("folder")));
    std::optional<FullDisk> full;
    if (fullDisk)
        full.emplace();
    const QString path = dir.filePath(target);
    window.prompts().nextFile(path);
    // Only an existing regular file is worth the replace question.
    if (target == QLatin1String("old.dat"))
        window.prompts().nextAnswer(Answer::Yes);
    window.prompts().nextAnswer(Answer::Ok);

    trigger(window.window(), Command::Save);

    QVERIFY2(window.prompts().unexpected.isEmpty(),
             qPrintable(window.prompts().unexpected.join(QLatin1Char('\n'))));
    const QStringList lines = window.prompts().messages.constLast().text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("Cannot save ") + path);
    if (!reason.isEmpty())
        QCOMPARE(lines[1], reason);
    QCOMPARE(lines[2], outcome);
    QCOMPARE(window->windowTitle(), AppInfo::startupCaption());
    QCOMPARE(contentOf(dir.filePath(QStringLiteral("old.dat"))), QByteArray("old"));
    QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("pipe"))).isFile());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
}

void TestFileCommands::openRestoresEverythingAndSavesSameBytes()
{
    TestWindow window;
    const SequenceFile rich = richFile();
    const QByteArray bytes = SequenceFileWriter::encode(rich);
    const QString path = writeFile(window.dirPath() + QStringLiteral("/rich.DAT"), bytes);
    window->setUp()->setCell(3, 0, 1); // replaced by the file's cells
    window.prompts().nextFile(path);
    ProgressWatch progress(window->progressBar());

    trigger(window.window(), Command::Open);

    QCOMPARE(window->sequence().mem(0), QStringLiteral("0"));
    QCOMPARE(window->sequence().mem(5), QString::number(rich.events[5]));
    QCOMPARE(window->sequence().spareColor(2), rich.spareColors[2]);
    QCOMPARE(window->settings().picSpeed(), rich.picSpeed);
    QCOMPARE(window->settings().pcSpeed(), rich.pcSpeed);
    QCOMPARE(window->servoControl(1)->currentIndex(), rich.servoModes[1]);
    QCOMPARE(window->windowTitle(), AppInfo::fileCaptionPrefix() + QStringLiteral("rich.DAT"));
    QCOMPARE(window->document().rememberedFile(), path);
    QCOMPARE(progress.values, everyEventCount());
    QVERIFY(progress.alwaysVisible);
    QVERIFY(window->progressBar()->isHidden());

    const QString copy = window.dirPath() + QStringLiteral("/copy.dat");
    window.prompts().nextFile(copy);
    trigger(window.window(), Command::Save);
    QCOMPARE(contentOf(copy), bytes);
    QVERIFY(window.prompts().messages.isEmpty());
}

void TestFileCommands::rejectedFileChangesNothing_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QByteArray badColour = SequenceFileWriter::encode(richFile());
    badColour.replace("\r\n1\r\n2\r\n", "\r\n1\r\n8\r\n");
    QByteArray shortFile = SequenceFileWriter::encode(richFile());
    shortFile.chop(3);
    shortFile.chop(shortFile.size() - shortFile.lastIndexOf('\n') - 1);
    for (const auto& [name, command] :
         {std::pair{"open", Command::Open}, std::pair{"merge", Command::Merge}}) {
        QTest::addRow("%s: colour 8", name) << command << badColour << "Line 52:";
        QTest::addRow("%s: 64 values", name) << command << shortFile << "found the end of the file";
        QTest::addRow("%s: picture", name)
            << command << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "Line 1:";
        QTest::addRow("%s: missing file", name) << command << QByteArray() << "";
    }
}

void TestFileCommands::rejectedFileChangesNothing()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    TestWindow window;
    window->setUp()->setCell(2, 4, 1);
    window->setUp()->setSpareColor(1, 33);
    window->settings().setPcSpeed(44);
    window->document().setRememberedFile(QStringLiteral("/somewhere/else.dat"));
    const QString path = window.dirPath() + QStringLiteral("/bad.dat");
    if (!bytes.isNull())
        writeFile(path, bytes);
    const Snapshot before = Snapshot::of(window.window());
    window.prompts().nextFile(path);
    window.prompts().nextAnswer(Answer::Ok);

    trigger(window.window(), command);

    QCOMPARE(window.prompts().messages.size(), 1);
    const UserPrompts::Message message = window.prompts().messages.first();
    QCOMPARE(message.icon, UserPrompts::Icon::Exclamation);
    QVERIFY2(message.text.startsWith(QStringLiteral("Cannot read ") + path + QStringLiteral("\r")),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(problem), qPrintable(message.text));
    QVERIFY(Snapshot::of(window.window()) == before);
    QCOMPARE(contentOf(path), bytes);
    QVERIFY(window->progressBar()->isHidden());
}

void TestFileCommands::mergeShowsFileAndProgress()
{
    // How a merge changes the sequence is the core's business; here only that
    // the command applies it and shows it.
    TestWindow window;
    SequenceFile file;
    file.events[0] = 5;
    const QString path =
        writeFile(window.dirPath() + QStringLiteral("/add.dat"), SequenceFileWriter::encode(file));
    window->setUp()->setCell(1, 0, 1); // 2
    window.prompts().nextFile(path);
    ProgressWatch progress(window->progressBar());

    trigger(window.window(), Command::Merge);

    QCOMPARE(window->sequence().mem(0), QStringLiteral("7"));
    QCOMPARE(window->windowTitle(), AppInfo::fileCaptionPrefix() + QStringLiteral("add.dat"));
    QCOMPARE(window->document().rememberedFile(), path);
    QCOMPARE(progress.values, everyEventCount());
    QVERIFY(progress.alwaysVisible);
    QVERIFY(window->progressBar()->isHidden());
    QVERIFY(window.prompts().messages.isEmpty());
}

void TestFileCommands::openLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("restoredBefore"); // work brought back after a crash
    QTest::addColumn<QString>("problem");     // empty: opened
    const QString link = SequenceLink::link(richFile(), QStringLiteral("https://example.org/s/"));
    QTest::newRow("link") << link << false << "";
    QTest::newRow("fragment, after restored work") << link.mid(link.indexOf(u'#')) << true << "";
    QString changed = link;
    changed[link.size() - 9] = changed[link.size() - 9] == u'Q' ? u'R' : u'Q';
    QTest::newRow("damaged") << changed << false << "The link is damaged: its check characters";
    QTest::newRow("damaged, after restored work") << link.chopped(1) << true << "is damaged";
    // Version 2 around the bytes "later", with its checksum.
    QTest::newRow("newer") << "#seq=AmxhdGVylgM" << false << "made by a newer version";
}

// A link opens as a new sequence that is not saved yet: no file name, Save
// asks for one. Undo goes back only to work that was there before.
void TestFileCommands::openLink()
{
    QFETCH(QString, link);
    QFETCH(bool, restoredBefore);
    QFETCH(QString, problem);
    TestWindow window;
    SequenceFile restored;
    restored.events[7] = 9;
    if (restoredBefore)
        window->document().restoreRecovered(restored, QStringLiteral("/work/a.dat"),
                                            QStringLiteral("restored"));
    const Snapshot before = Snapshot::of(window.window());
    if (!problem.isEmpty())
        window.prompts().nextAnswer(Answer::Ok);

    window->fileCommands()->openLink(link);

    QCOMPARE(window->document().undoStack().canUndo(), restoredBefore && problem.isEmpty());
    QCOMPARE(window->document().isClean(), !restoredBefore && !problem.isEmpty());
    if (!problem.isEmpty()) {
        const UserPrompts::Message message = window.prompts().messages.value(0);
        QCOMPARE(message.icon, UserPrompts::Icon::Exclamation);
        QVERIFY2(message.text.startsWith(QStringLiteral("Cannot open the link ") + link.left(20)),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(problem), qPrintable(message.text));
        QVERIFY2(message.text.endsWith(QStringLiteral("\rNothing was changed.")),
                 qPrintable(message.text));
        QVERIFY(Snapshot::of(window.window()) == before);
        return;
    }
    QCOMPARE(window->windowTitle(), AppInfo::productName());
    QCOMPARE(window->document().rememberedFile(), QString());
    const QString saved = window.dirPath() + QStringLiteral("/shared.dat");
    window.prompts().nextFile(saved);
    trigger(window.window(), Command::Save);
    QCOMPARE(window.prompts().fileRequests.value(0).initialName, QString());
    QCOMPARE(contentOf(saved), SequenceFileWriter::encode(richFile()));
    if (restoredBefore) {
        window->document().undoStack().undo();
        QVERIFY(Snapshot::of(window.window()) == before);
    }
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
