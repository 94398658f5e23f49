// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

// Reads a <source> or <translation> element; lupdate writes control
// characters such as CR as <byte value="xd"/>.
QString readText(QXmlStreamReader& xml)
{
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text +=
                QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() == element)
            break;
    }
    return text;
}

// The catalogue's live entries, keyed by context, source and disambiguation.
QHash<QString, Entry> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QHash<QString, Entry> entries;
    QString context;
    Entry entry;
    QString comment;
    bool live = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message") && live)
            entries.insert(entry.context + u'\x4' + entry.source + u'\x4' + comment, entry);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, true};
            comment.clear();
            live = true;
        } else if (name == QLatin1String("source")) {
            entry.source = readText(xml);
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            live = type != QLatin1String("obsolete") && type != QLatin1String("vanished");
            entry.finished = type != QLatin1String("unfinished");
            entry.translation = readText(xml);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

QString describe(const QString& key)
{
    return QString(key)
        .replace(u'\x4', QStringLiteral(" | "))
        .replace(u'\r', QStringLiteral("\\r"));
}

// The template and every language's catalogue, each a row of its own.
void addCatalogueRows(bool withTemplate)
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(STROBIX_TS_DIR));
    for (const QString& name :
         folder.entryList({QStringLiteral("strobix*.ts")}, QDir::Files, QDir::Name))
        if (withTemplate || name != QLatin1String("strobix.ts"))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

// Placeholders in order of number, so a translation may move them.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(L?)(\\d{1,2})"));
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        found << match.captured(0);
    found.sort();
    return found;
}

// File name patterns such as "*.DAT" in a file dialog's filter: the dialog
// lists files by them, so they are not words to translate.
QStringList filePatterns(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.[^\\s;)]+"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(text))
        found << match.captured(0);
    return found;
}

// "&x" marks a keyboard mnemonic; "&&" is a literal ampersand.
int mnemonics(const QString& text)
{
    return int(QString(text).remove(QStringLiteral("&&")).count(u'&'));
}

QChar accessKey(const QString& text)
{
    const QString plain = QString(text).remove(QStringLiteral("&&"));
    const qsizetype at = plain.indexOf(u'&');
    return at >= 0 && at + 1 < plain.size() ? plain.at(at + 1).toLower() : QChar();
}

int lineBreaks(const QString& text)
{
    return int(text.count(u'\r') + text.count(u'\n'));
}

QString mainWindowKey(const char* source)
{
    return QStringLiteral("MainWindow\x4") + QLatin1String(source) + u'\x4';
}

// The captions whose access keys work at the same time: the menu bar with the
// window's buttons (Alt+key), and each menu's items.
const QList<QList<const char*>> KeyGroups{
    {"&File", "&Test", "&Download", "S&ettings", "&Help", "&Open File...", "&Save File...",
     "E&xit"},
    {"&New/Clear", "&Open...", "&Merge...", "&Save...", "E&xit"},
    {"&About", "&Users' Manual..."}};
// Buttons that leave their key to the menu bar's command of the same name.
const QList<QPair<const char*, const char*>> SharedKeys{
    {"&Test", "&Test"}, {"&DOWNLOAD", "&Download"}, {"S&ettings...", "S&ettings"}};

QStringList accessKeyProblems(const QHash<QString, Entry>& entries)
{
    const auto keyOf = [&entries](const char* source) {
        return accessKey(entries.value(mainWindowKey(source)).translation);
    };
    QStringList problems;
    for (const auto& group : KeyGroups) {
        QHash<QChar, const char*> taken;
        for (const char* source : group) {
            const QChar key = keyOf(source);
            if (key.isNull())
                continue; // reported as a mnemonic that differs
            if (taken.contains(key) && qstrcmp(taken.value(key), source) != 0)
                problems << QStringLiteral("%1 and %2 share the access key %3")
                                .arg(QLatin1String(taken.value(key)), QLatin1String(source), key);
            taken.insert(key, source);
        }
    }
    for (const auto& [button, command] : SharedKeys)
        if (keyOf(button) != keyOf(command))
            problems << QStringLiteral("%1 and %2 have different access keys")
                            .arg(QLatin1String(button), QLatin1String(command));
    return problems;
}

QString edge(const QString& text, bool leading)
{
    static const QRegularExpression head(QStringLiteral("^\\s*"));
    static const QRegularExpression tail(QStringLiteral("\\s*$"));
    return (leading ? head : tail).match(text).captured(0);
}

} // namespace

class TranslationCatalog : public QObject {
    Q_OBJECT

    QHash<QString, Entry> m_fromSources;

private slots:
    void initTestCase()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString ts = scratch.filePath(QStringLiteral("scan.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lupdate.start(QStringLiteral(STROBIX_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-silent"), QStringLiteral(STROBIX_TS_SOURCES),
                       QStringLiteral("-ts"), ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        m_fromSources = readCatalogue(ts);
        // Guards against a scan that silently found nothing.
        QVERIFY2(m_fromSources.size() > 20, "lupdate found hardly any texts in the sources");
    }

    // Texts missing from a catalogue would stay English; texts no source
    // has any more would be shipped for nothing. Run the update_translations
    // target, then translate what it added.
    void cataloguesMatchTheSources_data() { addCatalogueRows(true); }
    void cataloguesMatchTheSources()
    {
        QFETCH(QString, path);
        const QHash<QString, Entry> committed = readCatalogue(path);
        QStringList problems;
        for (auto it = m_fromSources.cbegin(); it != m_fromSources.cend(); ++it)
            if (!committed.contains(it.key()))
                problems << QStringLiteral("missing: ") + describe(it.key());
        for (auto it = committed.cbegin(); it != committed.cend(); ++it)
            if (!m_fromSources.contains(it.key()))
                problems << QStringLiteral("no longer in the sources: ") + describe(it.key());
        problems.sort();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // A translation must fit where the English text goes: the same
    // placeholders (or .arg() fills the wrong ones), the same blanks and line
    // breaks at the ends (pieces are joined to others), as many line breaks
    // (message boxes are laid out by them), the same number of keyboard
    // mnemonics, none shared within a menu, the same file name patterns.
    void translationsAreCompleteAndKeepTheShape_data() { addCatalogueRows(false); }
    void translationsAreCompleteAndKeepTheShape()
    {
        QFETCH(QString, path);
        const QHash<QString, Entry> entries = readCatalogue(path);
        QStringList problems = accessKeyProblems(entries);
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const Entry& entry = it.value();
            const QString what = describe(it.key()) + QStringLiteral(": ");
            if (!entry.finished || entry.translation.isEmpty()) {
                problems << what + QStringLiteral("not translated");
                continue;
            }
            if (placeholders(entry.source) != placeholders(entry.translation))
                problems << what + QStringLiteral("placeholders differ");
            if (lineBreaks(entry.source) != lineBreaks(entry.translation))
                problems << what + QStringLiteral("number of line breaks differs");
            if (edge(entry.source, true) != edge(entry.translation, true)
                || edge(entry.source, false) != edge(entry.translation, false))
                problems << what + QStringLiteral("blanks or line breaks at the ends differ");
            if (mnemonics(entry.source) != mnemonics(entry.translation))
                problems << what + QStringLiteral("keyboard mnemonics differ");
            if (filePatterns(entry.source) != filePatterns(entry.translation))
                problems << what + QStringLiteral("file name patterns differ");
        }
        problems.sort();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TranslationCatalog)
#include "tst_translationcatalog.moc"
