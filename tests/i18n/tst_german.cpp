// SPDX-License-Identifier: MIT
#include "DownloadExamples.h"
#include "DownloadStream.h"
#include "FileFixtures.h"
#include "LedConfig.h"
#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "TestWindow.h"
#include "Translations.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace FileFixtures;

// Runs with LANG=de_DE.UTF-8 and nothing else naming a language, as a German
// user's desktop starts the program.
class GermanUser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QLocale::system().language(), QLocale::German);
        // As main() does.
        QVERIFY(Translations::install(*qApp));
    }

    void windowAndMessagesSpeakGerman()
    {
        TestWindow window;
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("STROBIX  -  Programmierbarer LED-Sequenzer/Blinker - Rev3"));
        window.prompts().nextAnswer(UserPrompts::Answer::Cancel);
        window->menuExit()->trigger();
        QCOMPARE(window.prompts().messages.size(), 1);
        QVERIFY2(window.prompts().messages[0].text.contains(QStringLiteral("Wirklich beenden")),
                 qPrintable(window.prompts().messages[0].text));
    }

    // Qt's own translation: the buttons of every message box and the file dialog.
    void qtOwnTextsSpeakGerman()
    {
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }

    // What goes to the device and to disk is the same in every language: a
    // file opened and saved again keeps its bytes, and LED.cfg and the
    // download stream are written as ever.
    void filesAndStreamDoNotChangeWithTheLanguage()
    {
        TestWindow window;
        const QString opened =
            writeFile(window.dirPath() + QStringLiteral("/in.dat"), dataFile("all-settings.dat"));
        const QString saved = window.dirPath() + QStringLiteral("/out.dat");
        QCOMPARE(DownloadStream::build(window->sequence(), window->settings().picSpeed()),
                 DownloadExamples::startUpStream());

        window.prompts().nextFile(opened);
        window->menuOpen()->trigger();
        window.prompts().nextFile(saved);
        window->menuSave()->trigger();
        QCOMPARE(contentOf(saved), dataFile("all-settings.dat"));

        QVERIFY(LedConfig::writePort(7, window.configPath()).ok);
        QCOMPARE(contentOf(window.configPath()), QByteArray("7\r\n"));
    }
};

QTEST_MAIN(GermanUser)
#include "tst_german.moc"
