// SPDX-License-Identifier: MIT
#include "BusyState.h"
#include "FileFixtures.h"
#include "ScriptedPrompts.h"
#include "TestWindow.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>

// A data file dropped on the main window opens as Open opens it; anything
// else, or a drop during a download, changes nothing.
class FileDropTest : public QObject {
    Q_OBJECT

private slots:
    void drop_data();
    void drop();
};

namespace {

// Delivers a drag that enters the window and is dropped; whether it was taken.
bool dragAndDrop(WindowUnderTest& window, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint where = window.rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(where), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

} // namespace

void FileDropTest::drop_data()
{
    QTest::addColumn<QStringList>("names"); // files dropped together; "http:" for a remote one
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("downloading");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<bool>("opened");

    const QByteArray good = FileFixtures::dataFile("all-settings.dat");
    QTest::newRow("a data file opens") << QStringList{"show.dat"} << good << false << true << true;
    QTest::newRow("the extension in capitals")
        << QStringList{"SHOW.DAT"} << good << false << true << true;
    QTest::newRow("a bad data file is refused with a message")
        << QStringList{"bad.dat"} << QByteArray("x\r\n") << false << true << false;
    QTest::newRow("another extension is not taken")
        << QStringList{"show.txt"} << good << false << false << false;
    QTest::newRow("two files are not taken")
        << QStringList{"a.dat", "b.dat"} << good << false << false << false;
    QTest::newRow("a remote file is not taken")
        << QStringList{"http:"} << good << false << false << false;
    QTest::newRow("not during a download")
        << QStringList{"show.dat"} << good << true << false << false;
}

void FileDropTest::drop()
{
    QFETCH(QStringList, names);
    QFETCH(QByteArray, content);
    QFETCH(bool, downloading);
    QFETCH(bool, taken);
    QFETCH(bool, opened);

    TestWindow window;
    QList<QUrl> urls;
    for (const QString& name : names) {
        if (name == QLatin1String("http:")) {
            urls << QUrl(QStringLiteral("http://example.org/show.dat"));
            continue;
        }
        const QString path = QDir(window.dirPath()).filePath(name);
        FileFixtures::writeFile(path, content);
        urls << QUrl::fromLocalFile(path);
    }
    if (downloading)
        window->busyState().setDownload(BusyState::Activity::DownloadSending);
    const bool refused = taken && !opened;
    if (refused)
        window.prompts().nextAnswer(UserPrompts::Answer::Ok);
    const QString caption = window->windowTitle();

    QCOMPARE(dragAndDrop(window.window(), urls), taken);
    QCoreApplication::processEvents(); // the file opens once the drop is over

    QCOMPARE(window->sequence().lastEvent(), opened ? 12 : LedSequence::DefaultLastEvent);
    QCOMPARE(window->settings().picSpeed(), opened ? 100 : ProgramSettings::DefaultPicSpeed);
    QCOMPARE(window->windowTitle() != caption, opened);
    if (opened)
        QVERIFY(window->windowTitle().endsWith(QStringLiteral(" - ") + names.first()));
    QCOMPARE(window.prompts().messages.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(window.prompts().messages.first().text.startsWith(QStringLiteral("Cannot read ")));
}

QTEST_MAIN(FileDropTest)
#include "tst_filedrop.moc"
