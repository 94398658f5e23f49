// SPDX-License-Identifier: MIT
#include "MainWindow.h"
#include "ManualLocation.h"
#include "ScriptedPrompts.h"
#include "ShellCommands.h"
#include "TestWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

// Receives what the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

Q_DECLARE_METATYPE(UserPrompts::Icon)
Q_DECLARE_METATYPE(UserPrompts::Buttons)

namespace {

enum class Command { MenuExit, ExitButton, About, Manual };

void run(TestWindow& test, Command command)
{
    switch (command) {
    case Command::MenuExit:
        test->menuExit()->trigger();
        break;
    case Command::ExitButton:
        TestWindow::click(test->exitButton(), test->exitButton()->rect().center());
        break;
    case Command::About:
        test->menuAbout()->trigger();
        break;
    case Command::Manual:
        test->menuHowto()->trigger();
        break;
    }
}

ShellCommands& shellOf(WindowUnderTest& window)
{
    return *window.shellCommands();
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// The About box line by line, written out here rather than taken from the code
// that makes it.
QStringList expectedAboutLines()
{
    return {
        blanks(25) + QStringLiteral("S T R O B I X"),
        blanks(22) + QStringLiteral("=================="),
        QString(),
        QStringLiteral("  Programmable LED Sequencer/Flasher  - Rev3"),
        QString(),
        blanks(27) + QStringLiteral("By:  Tessmer"),
        QString(),
        blanks(26) + ManualLocation::url().toString(),
        QString(),
        blanks(33) + QStringLiteral("Feb 2008"),
    };
}

bool touchFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

Q_DECLARE_METATYPE(Command)

class ShellCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes_data();
    void messageBoxes();
    void aboutHasSixLinesSpacedApart();
    void exitEndsProgramOnlyOnOk_data();
    void exitEndsProgramOnlyOnOk();
    void exitOkEndsTheEventLoop_data();
    void exitOkEndsTheEventLoop();
    void exitButtonStopsTestFirst();
    void exitMenuLeavesTestRunning();
    void manualOpensInstalledPage_data();
    void manualOpensInstalledPage();
    void manualThatCannotBeShownIsReported_data();
    void manualThatCannotBeShownIsReported();
    void manualLocation_data();
    void manualLocation();
    void closingAsksOnlyWithUnsavedEdits_data();
    void closingAsksOnlyWithUnsavedEdits();
};

void ShellCommandsTest::messageBoxes_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<UserPrompts::Icon>("icon");
    QTest::addColumn<UserPrompts::Buttons>("buttons");

    const QString exitText = blanks(23) + QStringLiteral("OK to Really Exit ?\r\r") + blanks(12)
                             + QStringLiteral("(Be sure you have saved your files)");
    QTest::newRow("Exit menu") << Command::MenuExit << QString() << exitText
                               << UserPrompts::Icon::None << UserPrompts::Buttons::OkCancel;
    QTest::newRow("Exit button") << Command::ExitButton << QString() << exitText
                                 << UserPrompts::Icon::None << UserPrompts::Buttons::OkCancel;
    QTest::newRow("About") << Command::About << QString()
                           << expectedAboutLines().join(QLatin1Char('\r'))
                           << UserPrompts::Icon::None << UserPrompts::Buttons::Ok;
    QTest::newRow("Users' Manual")
        << Command::Manual
        << QStringLiteral("STROBIX  -  Programmable LED Sequencer/Flasher Users' Manual")
        << QStringLiteral("\r Click OK to view the Strobix Users' Manual on the STROBIX HELP "
                          "webpage...")
        << UserPrompts::Icon::Exclamation << UserPrompts::Buttons::OkCancel;
}

void ShellCommandsTest::messageBoxes()
{
    QFETCH(Command, command);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(UserPrompts::Icon, icon);
    QFETCH(UserPrompts::Buttons, buttons);
    UrlCatcher catcher;
    TestWindow test;
    shellOf(test.window()).setProgramEnder([] {});
    test.prompts().nextAnswer(UserPrompts::Answer::Cancel);
    run(test, command);

    QCOMPARE(test.prompts().messages.size(), 1);
    const UserPrompts::Message& message = test.prompts().messages.constFirst();
    QCOMPARE(message.title, title);
    QCOMPARE(message.text, text);
    QCOMPARE(message.icon, icon);
    QCOMPARE(message.buttons, buttons);
}

void ShellCommandsTest::aboutHasSixLinesSpacedApart()
{
    const QStringList lines = ShellCommands::aboutText().split(QLatin1Char('\r'));
    const QString address = ManualLocation::url().toString();
    QCOMPARE(lines, expectedAboutLines());
    // The address is a real page, not a stand-in.
    QVERIFY(QUrl(address).isLocalFile());
    QVERIFY2(QFileInfo::exists(QUrl(address).toLocalFile()), qPrintable(address));
}

void ShellCommandsTest::exitEndsProgramOnlyOnOk_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<UserPrompts::Answer>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("menu, OK") << Command::MenuExit << UserPrompts::Answer::Ok << true;
    QTest::newRow("menu, Cancel") << Command::MenuExit << UserPrompts::Answer::Cancel << false;
    QTest::newRow("button, OK") << Command::ExitButton << UserPrompts::Answer::Ok << true;
    QTest::newRow("button, Cancel") << Command::ExitButton << UserPrompts::Answer::Cancel << false;
}

void ShellCommandsTest::exitEndsProgramOnlyOnOk()
{
    QFETCH(Command, command);
    QFETCH(UserPrompts::Answer, answer);
    QFETCH(bool, ends);
    TestWindow test;
    test->setUp()->setCell(1, 3, true); // unsaved work is not asked about again
    int endings = 0;
    shellOf(test.window()).setProgramEnder([&endings] { ++endings; });
    test.prompts().nextAnswer(answer);
    run(test, command);

    QCOMPARE(endings, ends ? 1 : 0);
    QCOMPARE(test.prompts().messages.size(), 1);
    QVERIFY(test.prompts().unexpected.isEmpty());
    QVERIFY(test->sequence().cell(1, 3));
}

void ShellCommandsTest::exitOkEndsTheEventLoop_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("unsaved");
    QTest::newRow("menu, nothing unsaved") << Command::MenuExit << false;
    QTest::newRow("menu, unsaved edits") << Command::MenuExit << true;
    QTest::newRow("button, unsaved edits") << Command::ExitButton << true;
}

// With the real ending: the window closing on the way out must not ask again
// (a second question would be unexpected, answered Cancel, and keep it open).
void ShellCommandsTest::exitOkEndsTheEventLoop()
{
    QFETCH(Command, command);
    QFETCH(bool, unsaved);
    TestWindow test;
    if (unsaved)
        test->document().toggleCell(2, 7);
    test.prompts().nextAnswer(UserPrompts::Answer::Ok);
    QTimer::singleShot(0, &test.window(), [&test, command] { run(test, command); });
    // Should the program not end, this ends the loop with a code that fails the test.
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void ShellCommandsTest::exitButtonStopsTestFirst()
{
    TestWindow test;
    shellOf(test.window()).setProgramEnder([] {});
    test->playback().start();
    bool runningWhileAsked = true;
    test.prompts().nextAnswer([&](const UserPrompts::Message&) {
        runningWhileAsked = test->playback().isRunning();
        return UserPrompts::Answer::Cancel;
    });
    run(test, Command::ExitButton);
    QVERIFY(!runningWhileAsked);
    QVERIFY(!test->playback().isRunning());
}

void ShellCommandsTest::exitMenuLeavesTestRunning()
{
    TestWindow test;
    shellOf(test.window()).setProgramEnder([] {});
    test->playback().start();
    test.prompts().nextAnswer(UserPrompts::Answer::Cancel);
    run(test, Command::MenuExit);
    QVERIFY(test->playback().isRunning());
    test->playback().stop();
}

void ShellCommandsTest::manualOpensInstalledPage_data()
{
    QTest::addColumn<UserPrompts::Answer>("answer");
    QTest::addColumn<bool>("opens");
    QTest::newRow("OK") << UserPrompts::Answer::Ok << true;
    QTest::newRow("Cancel") << UserPrompts::Answer::Cancel << false;
}

void ShellCommandsTest::manualOpensInstalledPage()
{
    QFETCH(UserPrompts::Answer, answer);
    QFETCH(bool, opens);
    UrlCatcher catcher;
    TestWindow test;
    test.prompts().nextAnswer(answer);
    run(test, Command::Manual);

    QCOMPARE(catcher.urls.size(), opens ? 1 : 0);
    if (!opens)
        return;
    const QUrl url = catcher.urls.constFirst();
    QVERIFY(url.isLocalFile());
    QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), QStringLiteral("index.html"));
    QVERIFY2(QFileInfo::exists(url.toLocalFile()), qPrintable(url.toString()));
}

void ShellCommandsTest::manualThatCannotBeShownIsReported_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("advice");
    QTest::newRow("shown") << true << true << QString();
    QTest::newRow("no browser") << false << true << QStringLiteral("web browser");
    QTest::newRow("file missing") << false << false << QStringLiteral("Reinstall Strobix");
}

void ShellCommandsTest::manualThatCannotBeShownIsReported()
{
    QFETCH(bool, opened);
    QFETCH(bool, fileThere);
    QFETCH(QString, advice);
    TestWindow test;
    QList<QUrl> asked;
    shellOf(test.window()).setManualOpener([&](const QUrl& url) {
        asked.append(url);
        return opened;
    });
    test.prompts().nextAnswer(UserPrompts::Answer::Ok);
    if (!opened)
        test.prompts().nextAnswer(UserPrompts::Answer::Ok); // the report
    run(test, Command::Manual);

    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.constFirst(), ManualLocation::url());
    QCOMPARE(test.prompts().messages.size(), opened ? 1 : 2);
    if (opened)
        return;
    QTemporaryDir elsewhere;
    const QUrl url = fileThere
                         ? asked.constFirst()
                         : QUrl::fromLocalFile(elsewhere.filePath(QStringLiteral("gone.html")));
    const QString text =
        fileThere ? test.prompts().messages.at(1).text : ShellCommands::manualNotOpened(url);
    QVERIFY2(text.contains(url.toLocalFile()), qPrintable(text));
    QVERIFY2(text.contains(advice), qPrintable(text));
    QCOMPARE(test.prompts().messages.at(1).title, ShellCommands::manualPromptTitle());
    QCOMPARE(test.prompts().messages.at(1).buttons, UserPrompts::Buttons::Ok);
}

// Which copies of the manual exist around a prefix, and which one is found
// from <prefix>/bin and from a program two folders deep in a build tree.
void ShellCommandsTest::manualLocation_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("executableDir");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("language");
    const QString page = QStringLiteral("share/strobix/manual/index.html");
    const QString german = QStringLiteral("share/strobix/manual/de/index.html");
    QTest::newRow("installed") << QStringList{page} << QStringLiteral("bin") << page << QString();
    QTest::newRow("none: still names the installed place")
        << QStringList{} << QStringLiteral("bin") << page << QString();
    QTest::newRow("build tree, program one deep")
        << QStringList{page} << QStringLiteral("src") << page << QString();
    QTest::newRow("build tree, program two deep")
        << QStringList{page} << QStringLiteral("tests/ui") << page << QString();
    QTest::newRow("nearer copy wins")
        << QStringList{page, QStringLiteral("tests/share/strobix/manual/index.html")}
        << QStringLiteral("tests/ui") << QStringLiteral("tests/share/strobix/manual/index.html")
        << QString();
    QTest::newRow("program folder of its own (Windows)")
        << QStringList{QStringLiteral("Strobix/manual/index.html")} << QStringLiteral("Strobix")
        << QStringLiteral("Strobix/manual/index.html") << QString();
    QTest::newRow("old documentation place is not used")
        << QStringList{QStringLiteral("share/doc/strobix/manual/index.html")}
        << QStringLiteral("bin") << page << QString();
    QTest::newRow("the program's language")
        << QStringList{page, german} << QStringLiteral("bin") << german << QStringLiteral("de");
    QTest::newRow("a language without a manual of its own: English")
        << QStringList{page, german} << QStringLiteral("bin") << page << QStringLiteral("fr");
}

void ShellCommandsTest::manualLocation()
{
    QFETCH(QStringList, present);
    QFETCH(QString, executableDir);
    QFETCH(QString, expected);
    QFETCH(QString, language);
    QTemporaryDir prefix;
    for (const QString& file : present)
        QVERIFY(touchFile(prefix.filePath(file)));
    const QString bin = prefix.filePath(executableDir);
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(ManualLocation::indexFile(bin, language), prefix.filePath(expected));
}

void ShellCommandsTest::closingAsksOnlyWithUnsavedEdits_data()
{
    QTest::addColumn<QString>("history"); // e: an edit, u: undo, s: save
    QTest::addColumn<UserPrompts::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closes");
    const auto ok = UserPrompts::Answer::Ok;
    const auto cancel = UserPrompts::Answer::Cancel;
    QTest::newRow("nothing edited") << "" << ok << false << true;
    QTest::newRow("edited, OK") << "e" << ok << true << true;
    QTest::newRow("edited, Cancel") << "e" << cancel << true << false;
    QTest::newRow("edited and undone") << "eu" << ok << false << true;
    QTest::newRow("edited and saved") << "es" << ok << false << true;
    QTest::newRow("saved, edited again") << "ese" << cancel << true << false;
    QTest::newRow("saved, then undone") << "esu" << ok << true << true;
}

void ShellCommandsTest::closingAsksOnlyWithUnsavedEdits()
{
    QFETCH(QString, history);
    QFETCH(UserPrompts::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closes);
    TestWindow test;
    int endings = 0;
    shellOf(test.window()).setProgramEnder([&endings] { ++endings; });
    int event = 0;
    for (const QChar step : history) {
        if (step == QLatin1Char('e')) {
            test->document().toggleCell(0, event++);
        } else if (step == QLatin1Char('u')) {
            test->undoAction()->trigger();
        } else {
            test.prompts().nextFile(test.dirPath() + QStringLiteral("/saved.dat"));
            test->menuSave()->trigger();
        }
    }
    const int promptsBefore = int(test.prompts().messages.size());
    if (asked)
        test.prompts().nextAnswer(answer);

    test->close();

    const QList<UserPrompts::Message> shown = test.prompts().messages.mid(promptsBefore);
    QCOMPARE(shown.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(shown.first().text, ShellCommands::exitPrompt());
        QCOMPARE(shown.first().buttons, UserPrompts::Buttons::OkCancel);
    }
    QCOMPARE(test->isVisible(), !closes);
    QCOMPARE(endings, closes ? 1 : 0);
}

QTEST_MAIN(ShellCommandsTest)
#include "tst_shellcommands.moc"
