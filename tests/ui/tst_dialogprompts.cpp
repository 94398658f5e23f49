// SPDX-License-Identifier: MIT
// The real file dialog: Qt's own widget, with the program's filter, asking no
// question of its own and adding or changing no extension.
#include "DialogPrompts.h"
#include "FileCommands.h"
#include "ManualLocation.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using Request = UserPrompts::FileRequest;

// Runs `inspect` on the open file dialog once it has listed its folder, then
// lets `inspect` accept or reject it. Any message box that shows up meanwhile
// is recorded and closed.
QString runDialog(const Request& request, const std::function<void(QFileDialog&)>& inspect,
                  QStringList* strayBoxes)
{
    QWidget owner;
    DialogPrompts prompts(&owner);
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *strayBoxes << box->text();
            box->reject();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog || !dialog->property("inspected").isNull())
            return;
        dialog->setProperty("inspected", true);
        inspect(*dialog);
    });
    watcher.start(10);
    return prompts.chooseFile(request);
}

QStringList listedFiles(QFileDialog& dialog)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    const QModelIndex folder = model->index(dialog.directory().absolutePath());
    QStringList names;
    for (int row = 0; row < model->rowCount(folder); ++row)
        names << model->fileName(model->index(row, 0, folder));
    names.sort(Qt::CaseInsensitive);
    return names;
}

QLineEdit* nameBox(QFileDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void makeFiles(const QTemporaryDir& dir)
{
    for (const char* name : {"a.dat", "B.DAT", "c.txt", "README"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

} // namespace

Q_DECLARE_METATYPE(UserPrompts::FileRequest)

class TestDialogPrompts : public QObject {
    Q_OBJECT
private slots:
    void saveDialogListsFilesAndKeepsTypedName();
    void saveDialogTakesExistingFileWithoutAsking_data();
    void saveDialogTakesExistingFileWithoutAsking();
    void saveDialogOffersRememberedPathWhole_data();
    void saveDialogOffersRememberedPathWhole();
    void cancelReturnsNothing();
    void examplesPlace_data();
    void examplesPlace();
};

void TestDialogPrompts::saveDialogListsFilesAndKeepsTypedName()
{
    QTemporaryDir dir;
    makeFiles(dir);
    const Request request{Request::Mode::Save, FileCommands::saveTitle(), FileCommands::filter(),
                          dir.filePath(QStringLiteral("last.dat"))};
    QStringList strayBoxes;
    QString title, firstName, nameAfterSwitch, nameAfterSwitchBack;
    QStringList filters;
    const QStringList dataFiles{QStringLiteral("a.dat"), QStringLiteral("B.DAT")};
    const QStringList allFiles{QStringLiteral("a.dat"), QStringLiteral("B.DAT"),
                               QStringLiteral("c.txt"), QStringLiteral("README")};
    bool confirmsOverwrite = true, native = true;
    QString suffix = QStringLiteral("unset"), folder;

    const QString chosen = runDialog(
        request,
        [&](QFileDialog& dialog) {
            // Closed however the checks below end, or the test would hang.
            const auto close = qScopeGuard([&] { dialog.reject(); });
            title = dialog.windowTitle();
            filters = dialog.nameFilters();
            confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
            suffix = dialog.defaultSuffix();
            folder = dialog.directory().absolutePath();
            firstName = nameBox(dialog)->text();
            // The folder is listed in the background, after every filter change.
            QTRY_COMPARE(listedFiles(dialog), dataFiles);
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);
            nameAfterSwitch = nameBox(dialog)->text();
            QTRY_COMPARE(listedFiles(dialog), allFiles);
            QTest::keyClick(types, Qt::Key_Up);
            nameAfterSwitchBack = nameBox(dialog)->text();
        },
        &strayBoxes);

    QVERIFY(chosen.isEmpty());
    QCOMPARE(title, FileCommands::saveTitle());
    QCOMPARE(filters, (QStringList{QStringLiteral("Data Files (*.DAT)"),
                                   QStringLiteral("All Files (*.*)")}));
    QVERIFY(!confirmsOverwrite);
    QVERIFY(!native);
    QCOMPARE(suffix, QString());
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(firstName, QStringLiteral("last.dat"));
    QCOMPARE(nameAfterSwitch, QStringLiteral("last.dat"));
    QCOMPARE(nameAfterSwitchBack, QStringLiteral("last.dat"));
    QVERIFY(strayBoxes.isEmpty());
}

void TestDialogPrompts::saveDialogTakesExistingFileWithoutAsking_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("existing file") << "c.txt";
    QTest::newRow("name without extension") << "plain";
}

void TestDialogPrompts::saveDialogTakesExistingFileWithoutAsking()
{
    QFETCH(QString, typed);
    QTemporaryDir dir;
    makeFiles(dir);
    const Request request{Request::Mode::Save, FileCommands::saveTitle(), FileCommands::filter(),
                          dir.filePath(QStringLiteral("x.dat"))};
    QStringList strayBoxes;
    const QString chosen = runDialog(
        request,
        [&](QFileDialog& dialog) {
            nameBox(dialog)->setText(typed);
            static_cast<QDialog&>(dialog).accept(); // as the Save button does
        },
        &strayBoxes);
    QCOMPARE(chosen, dir.filePath(typed));
    QVERIFY2(strayBoxes.isEmpty(), qPrintable(strayBoxes.join('\n')));
}

void TestDialogPrompts::saveDialogOffersRememberedPathWhole_data()
{
    // The name offered after a failed save, which may lie where the dialog cannot go.
    QTest::addColumn<QString>("offered"); // below the test's folder
    QTest::addColumn<bool>("inFolder");   // the dialog opens in the name's folder
    QTest::newRow("existing folder") << "x.dat" << true;
    QTest::newRow("missing folders") << "no/such/folder/x.dat" << false;
    QTest::newRow("folder that is a file") << "c.txt/x.dat" << false;
}

void TestDialogPrompts::saveDialogOffersRememberedPathWhole()
{
    QFETCH(QString, offered);
    QFETCH(bool, inFolder);
    QTemporaryDir dir;
    makeFiles(dir);
    const QString path = dir.filePath(offered);
    const Request request{Request::Mode::Save, FileCommands::saveTitle(), FileCommands::filter(),
                          path};
    QStringList strayBoxes;
    QString shown, folder;
    const QString chosen = runDialog(
        request,
        [&](QFileDialog& dialog) {
            shown = nameBox(dialog)->text();
            folder = dialog.directory().absolutePath();
            QTest::keyClick(nameBox(dialog), Qt::Key_Return);
            if (dialog.isVisible())
                dialog.reject();
        },
        &strayBoxes);
    QCOMPARE(shown, inFolder ? QFileInfo(path).fileName() : path);
    QCOMPARE(folder, QDir(dir.path()).absolutePath()); // the nearest that exists
    QCOMPARE(chosen, path);
    QVERIFY2(strayBoxes.isEmpty(), qPrintable(strayBoxes.join('\n')));
}

void TestDialogPrompts::cancelReturnsNothing()
{
    QTemporaryDir dir;
    QStringList strayBoxes;
    const Request request{Request::Mode::Open, FileCommands::openTitle(), FileCommands::filter(),
                          QString()};
    const QString chosen = runDialog(
        request, [](QFileDialog& dialog) { dialog.reject(); }, &strayBoxes);
    QVERIFY(chosen.isEmpty());
}

void TestDialogPrompts::examplesPlace_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<bool>("offered");
    const QString filter = FileCommands::filter();
    QTest::newRow("open") << Request{Request::Mode::Open, FileCommands::openTitle(), filter, {}}
                          << true;
    QTest::newRow("merge") << Request{Request::Mode::Open, FileCommands::mergeTitle(), filter, {}}
                           << true;
    QTest::newRow("save") << Request{Request::Mode::Save, FileCommands::saveTitle(), filter, {}}
                          << false;
}

// Open and Merge offer the examples beside the usual places, and still start
// where they always did; Save never leads there.
void TestDialogPrompts::examplesPlace()
{
    QFETCH(Request, request);
    QFETCH(bool, offered);
    QTemporaryDir dir;
    request.initialName = dir.filePath(QStringLiteral("last.dat"));
    const QUrl examples = QUrl::fromLocalFile(ManualLocation::examplesFolder());
    QVERIFY(!examples.isEmpty());
    QList<QUrl> places;
    QString shownName, folder;
    QStringList strayBoxes;
    runDialog(
        request,
        [&](QFileDialog& dialog) {
            places = dialog.sidebarUrls();
            folder = dialog.directory().absolutePath();
            auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
            const auto row = places.indexOf(examples);
            if (sidebar && row >= 0)
                shownName = sidebar->model()->index(int(row), 0).data().toString();
            dialog.reject();
        },
        &strayBoxes);
    QCOMPARE(places.contains(examples), offered);
    QVERIFY(places.size() > 1); // the usual places stay
    QCOMPARE(shownName, offered ? QStringLiteral("Examples") : QString());
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
}

QTEST_MAIN(TestDialogPrompts)
#include "tst_dialogprompts.moc"
