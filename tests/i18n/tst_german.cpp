// SPDX-License-Identifier: MIT
#include "DownloadExamples.h"
#include "DownloadStream.h"
#include "FileFixtures.h"
#include "LedConfig.h"
#include "MainWindow.h"
#include "ManualLocation.h"
#include "ScriptedPrompts.h"
#include "SequencePrinter.h"
#include "SettingsCommand.h"
#include "TestWindow.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace FileFixtures;

namespace {

using ShownTexts = QMap<QString, QString>;

void addText(ShownTexts& texts, const QString& where, const QString& text)
{
    if (!text.isEmpty())
        texts.insert(where, text);
}

// What a user reads or hears of an object: captions, list entries, tooltips,
// accessible names.
void collect(ShownTexts& texts, QObject* object, const QString& where)
{
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        addText(texts, where + QStringLiteral(".toolTip"), widget->toolTip());
        addText(texts, where + QStringLiteral(".accessibleName"), widget->accessibleName());
        addText(texts, where + QStringLiteral(".accessibleDescription"),
                widget->accessibleDescription());
        if (widget->isWindow())
            addText(texts, where + QStringLiteral(".windowTitle"), widget->windowTitle());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        addText(texts, where + QStringLiteral(".text"), button->text());
    if (auto* label = qobject_cast<QLabel*>(object))
        addText(texts, where + QStringLiteral(".text"), label->text());
    if (auto* box = qobject_cast<QGroupBox*>(object))
        addText(texts, where + QStringLiteral(".title"), box->title());
    if (auto* menu = qobject_cast<QMenu*>(object))
        addText(texts, where + QStringLiteral(".title"), menu->title());
    if (auto* combo = qobject_cast<QComboBox*>(object))
        for (int row = 0; row < combo->count(); ++row)
            addText(texts, where + QStringLiteral(".item%1").arg(row), combo->itemText(row));
    if (auto* list = qobject_cast<QListWidget*>(object))
        for (int row = 0; row < list->count(); ++row)
            addText(texts, where + QStringLiteral(".item%1").arg(row), list->item(row)->text());
    if (auto* action = qobject_cast<QAction*>(object)) {
        addText(texts, where + QStringLiteral(".text"), action->text());
        addText(texts, where + QStringLiteral(".toolTip"), action->toolTip());
    }
}

// Every text of the main window and its Settings dialog, keyed by where it
// is shown. Two windows built alike list their objects in the same order.
ShownTexts shownTexts(WindowUnderTest& window)
{
    ShownTexts texts;
    const QList<QWidget*> roots{&window, &window.settingsCommand()->dialog()};
    for (QWidget* root : roots) {
        const QList<QObject*> objects = root->findChildren<QObject*>() << root;
        for (int index = 0; index < objects.size(); ++index) {
            QObject* object = objects[index];
            // Qt's own parts (the scroll bar's arrows, ...) speak through Qt's translation.
            if (object->objectName().startsWith(QLatin1String("qt_")))
                continue;
            collect(
                texts, object,
                QStringLiteral("%1/%2 %3 %4")
                    .arg(root->objectName())
                    .arg(index)
                    .arg(QLatin1String(object->metaObject()->className()), object->objectName()));
        }
    }
    return texts;
}

// Texts German writes as English does.
bool sameInGerman(const QString& text)
{
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression ledName(QStringLiteral("^LED ?#\\d$"));
    static const QStringList words{QStringLiteral("&Test"), QStringLiteral("Test"),
                                   QStringLiteral("ms"),    QStringLiteral("\u00b5s"),
                                   QStringLiteral("OK"),    QStringLiteral("Magenta"),
                                   QStringLiteral("Cyan")};
    // The Settings dialog names the device a port reaches.
    static const QRegularExpression comPort(QStringLiteral("^COM\\d+$"));
    const bool device = text.startsWith(QLatin1String("/dev/")) || comPort.match(text).hasMatch();
    return !text.contains(letter) || ledName.match(text).hasMatch() || words.contains(text)
           || device;
}

} // namespace

// Runs with LANG=de_DE.UTF-8 and nothing else naming a language, as a German
// user's desktop starts the program.
class GermanUser : public QObject {
    Q_OBJECT

    ShownTexts m_english;

private slots:
    void initTestCase()
    {
        QCOMPARE(QLocale::system().language(), QLocale::German);
        {
            TestWindow english;
            m_english = shownTexts(english.window());
        }
        // As main() does.
        QVERIFY(Translations::install(*qApp));
    }

    // A text the German window still shows in English was not passed
    // through tr(), or was translated before the translation was loaded.
    void everyWindowTextIsGerman()
    {
        TestWindow german;
        const ShownTexts texts = shownTexts(german.window());
        QCOMPARE(texts.keys(), m_english.keys());
        QStringList english;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            if (it.value() == m_english.value(it.key()) && !sameInGerman(it.value()))
                english << it.key() + QStringLiteral(": ") + it.value();
        for (const QString& text : english)
            qWarning().noquote() << "still English:" << text;
        QVERIFY2(english.isEmpty(), "the window shows English texts (listed above)");
        QVERIFY(texts.size() > 60); // the collection itself works
    }

    void windowAndMessagesSpeakGerman()
    {
        TestWindow window;
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("STROBIX  -  Programmierbarer LED-Sequenzer/Blinker - Rev3"));
        QCOMPARE(window->exitButton()->text(), QStringLiteral("&Beenden"));
        QCOMPARE(window->menuOpen()->text(), QStringLiteral("Ö&ffnen..."));
        QCOMPARE(window->rowOptionsList()->item(0)->text(), QStringLiteral("Alle löschen"));
        window.prompts().nextAnswer(UserPrompts::Answer::Cancel);
        window->menuExit()->trigger();
        QCOMPARE(window.prompts().messages.size(), 1);
        QVERIFY2(window.prompts().messages[0].text.contains(QStringLiteral("Wirklich beenden")),
                 qPrintable(window.prompts().messages[0].text));
    }

    // Help › Users' Manual opens the German manual of the build tree's layout.
    void manualIsTheGermanOne()
    {
        QVERIFY2(ManualLocation::url().toLocalFile().endsWith(
                     QLatin1String("/share/strobix/manual/de/index.html")),
                 qPrintable(ManualLocation::url().toString()));
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
        // --print writes a report for scripts as well as people: English.
        const QString printed = SequencePrinter::text(window->sequence(), window->settings());
        QVERIFY2(printed.contains(QLatin1String("colour Red")) && !printed.contains(u"Rot"),
                 qPrintable(printed));
        QCOMPARE(window->colorList()->item(1)->text(), QStringLiteral("Rot"));

        QVERIFY(LedConfig::writePort(7, window.configPath()).ok);
        QCOMPARE(contentOf(window.configPath()), QByteArray("7\r\n"));
    }
};

QTEST_MAIN(GermanUser)
#include "tst_german.moc"
