// SPDX-License-Identifier: MIT
// The browser edition: the same window in a page. Its folder (LED.cfg, the
// copies of unsaved work) lives in the site's storage, a sequence link in the
// address opens as an untitled document, and so does one followed later.
#include "BrowserPage.h"
#include "FileCommands.h"
#include "LastingStorage.h"
#include "MainWindow.h"
#include "NextTurn.h"
#include "RecoveryController.h"
#include "SystemPorts.h"
#include "Translations.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QTimer>

namespace {

void tellStorageProblem(UserPrompts& prompts, const QString& reason)
{
    prompts.ask({QString(),
                 QCoreApplication::translate(
                     "BrowserEdition",
                     "This browser does not keep this page's data (%1).\rThe port number, the "
                     "zoom and the copies of unsaved work last only until the tab is closed.\r"
                     "Save your sequences to files.")
                     .arg(reason),
                 UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok});
}

void openLink(MainWindow& window, const QString& link)
{
    if (link.startsWith(QLatin1String("seq=")))
        window.fileCommands()->openLink(link);
}

// The page keeps what this makes for as long as it runs.
void start()
{
    const QString storageProblem = LastingStorage::load();
    // The ports granted to the site, asked of the browser once, here, where
    // waiting for it cannot come in the way of a dialog.
    SystemPorts::list();

    auto* window = new MainWindow;
    auto* recovery = new RecoveryController(window->document(), window->prompts(),
                                            std::make_unique<RecoveryStore>());
    window->show();
    // The questions are asked from a later turn of the page's own loop: asked
    // in this stack, which has waited for the browser above (emscripten's
    // asyncify resumed it), they would never let the page go on.
    NextTurn::request(window, [window, recovery, storageProblem] {
        // The window takes input from here on, the questions below included.
        BrowserPage::announceReady();
        if (!storageProblem.isEmpty())
            tellStorageProblem(window->prompts(), storageProblem);
        else
            LastingStorage::onKeepFailed([window](const QString& reason) {
                tellStorageProblem(window->prompts(), reason);
            });
        // Restored work stays in the undo history of a sequence opened next.
        recovery->offerLeftCopies();
        openLink(*window, BrowserPage::linkInAddress());
        BrowserPage::onLinkFollowed([window](const QString& link) { openLink(*window, link); });
    });
}

} // namespace

int main(int argc, char* argv[])
{
    // What the program asks and says also goes to the page's console: the
    // window is a picture there, which neither the tests nor a bug report can read.
    QLoggingCategory::setFilterRules(QStringLiteral("strobix.prompts.info=true"));
    QApplication app(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/StrobixSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/StrobixSans-Bold.ttf"));
    QCoreApplication::setApplicationName(QStringLiteral("Strobix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STROBIX_VERSION));
    Translations::install(app);
    // Everything that waits for the browser runs once the event loop has
    // started: Qt keeps the one wait of emscripten's asyncify that a program
    // may be in for its dialogs, and main() waiting before exec() spoils it.
    QTimer::singleShot(0, &app, start);
    return QApplication::exec();
}
