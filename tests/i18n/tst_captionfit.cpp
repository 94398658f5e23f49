// SPDX-License-Identifier: MIT
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "TestWindow.h"
#include "Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTranslator>

#include <climits>
#include <tuple>

namespace {

// The captions, list entries and button texts of the window and its Settings
// dialog, in the order two windows built alike list them.
QList<QWidget*> controls(WindowUnderTest& window)
{
    SettingsDialog& dialog = window.settingsCommand()->dialog();
    dialog.present();
    QList<QWidget*> found;
    for (QWidget* root : {window.centralWidget(), static_cast<QWidget*>(&dialog)})
        for (QWidget* widget : root->findChildren<QWidget*>())
            if (!widget->objectName().startsWith(QLatin1String("qt_")))
                found << widget;
    return found;
}

QString shown(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x1"))
        .remove(u'&')
        .replace(u'\x1', u'&');
}

// The texts that need more room than their widget gives them, and the one-line
// text with the least room to spare (a wrapped one counts when its lines fit).
struct Fit {
    QStringList problems;
    int closest = INT_MAX;
    QString closestText;

    void check(const QWidget* widget, const QString& text, QSize needed, QSize room)
    {
        const QString what = widget->objectName() + QStringLiteral(" \"") + text + u'"';
        if (needed.height() <= room.height() && room.width() - needed.width() < closest)
            std::tie(closest, closestText) = std::pair(room.width() - needed.width(), what);
        const auto size = [](QSize size) {
            return size.height() ? QStringLiteral("%1x%2 px").arg(size.width()).arg(size.height())
                                 : QStringLiteral("%1 px").arg(size.width());
        };
        if (needed.width() > room.width() || needed.height() > room.height())
            problems << what + QStringLiteral(" needs ") + size(needed) + QStringLiteral(", has ")
                            + size(room);
    }

    // Measured in font: the one the English window has there, so a caption the
    // layout set smaller to squeeze it in is caught too.
    void check(QWidget* widget, const QFont& font)
    {
        const QFontMetrics metrics(font);
        const auto oneLine = [&](const QString& text, int room) {
            if (!text.isEmpty())
                check(widget, text, QSize(metrics.horizontalAdvance(text), 0), QSize(room, 0));
        };
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QRect room = label->contentsRect().adjusted(qMax(label->indent(), 0), 0, 0, 0);
            if (!label->wordWrap())
                oneLine(label->text(), room.width());
            else if (!label->text().isEmpty())
                check(
                    label, label->text(),
                    metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text())
                        .size(),
                    room.size());
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            const QStyle* style = box->style();
            oneLine(shown(box->text()), box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth)
                                            - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            oneLine(shown(button->text()), button->width() - 8); // the style's frame and margins
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            oneLine(frame->title(), frame->width() - 16); // the title's indent on either side
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int row = 0; row < combo->count(); ++row)
                oneLine(combo->itemText(row), room);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            // Inside the frame, less the entries' own margins; a hidden list's
            // viewport has not followed a zoom yet.
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            for (int row = 0; row < list->count(); ++row)
                oneLine(list->item(row)->text(), list->contentsRect().width() - 2 * margin);
        }
    }
};

void speak(const QString& language)
{
    qDeleteAll(qApp->findChildren<QTranslator*>());
    if (language != QLatin1String("en"))
        QVERIFY(Translations::install(*qApp, QLocale(language)));
}

} // namespace

// Every shipped language in the window and the Settings dialog at 100% and at
// 200%: the layout is fixed, so a longer wording must still fit its control.
class CaptionFit : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        speak(QStringLiteral("en"));
    }

    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("percent");
        for (const QString& language : Translations::languages())
            for (int percent : {100, 200})
                QTest::addRow("%s %d%%", qPrintable(language), percent) << language << percent;
    }

    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        QFETCH(int, percent);
        QList<QFont> fonts;
        {
            TestWindow english;
            english->setZoomPercent(percent);
            QCOMPARE(english->zoomPercent(), percent);
            for (QWidget* widget : controls(english.window()))
                fonts << widget->font();
        }
        speak(language);
        TestWindow window;
        window->setZoomPercent(percent);
        const QList<QWidget*> widgets = controls(window.window());
        QCOMPARE(widgets.size(), fonts.size());
        Fit fit;
        for (qsizetype index = 0; index < widgets.size(); ++index)
            fit.check(widgets[index], fonts[index]);
        QVERIFY2(fit.problems.isEmpty(),
                 qPrintable(language + QStringLiteral(": ")
                            + fit.problems.join(u'\n' + language + QStringLiteral(": "))));
        qInfo("closest: %s, %d px to spare", qPrintable(fit.closestText), fit.closest);
    }
};

QTEST_MAIN(CaptionFit)
#include "tst_captionfit.moc"
