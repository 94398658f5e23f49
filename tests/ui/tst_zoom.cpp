// SPDX-License-Identifier: MIT
// The main window at every zoom step: nothing overlaps or is cut off, and the
// mouse still lands on the cell it points at. CTest runs this suite on a
// screen that takes every step, again on top of the desktop's own scaling
// (QT_SCALE_FACTOR 1.5 and 2), and on a laptop's screen that takes fewer
// (STROBIX_TEST_LARGEST_ZOOM: the largest step that fits there).

#include "ClickableLabel.h"
#include "LampWidget.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "TestWindow.h"
#include "TimeAxisWidget.h"
#include "Zoom.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QSettings storedSettings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Strobix"), QStringLiteral("Strobix"));
}

QString describe(const QWidget* widget)
{
    const QRect r = widget->geometry();
    return QStringLiteral("%1 (%2,%3 %4x%5)")
        .arg(widget->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

int litCells(const LedSequence& sequence)
{
    int lit = 0;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        for (int event = 0; event < LedSequence::EventCount; ++event)
            lit += sequence.cell(led, event);
    return lit;
}

// Pairs of controls that must not share a single pixel.
void verifyApart(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 0; i < widgets.size(); ++i)
        for (qsizetype j = i + 1; j < widgets.size(); ++j)
            QVERIFY2(!widgets[i]->geometry().intersects(widgets[j]->geometry()),
                     qPrintable(describe(widgets[i]) + QStringLiteral(" overlaps ")
                                + describe(widgets[j])));
}

void verifyInside(const QWidget* area, const QList<QWidget*>& widgets)
{
    for (const QWidget* widget : widgets)
        QVERIFY2(area->rect().contains(widget->geometry()), qPrintable(describe(widget)));
}

int textWidth(const QWidget* widget, QString text)
{
    return widget->fontMetrics().horizontalAdvance(text.remove(QLatin1Char('&')));
}

// Every control shown at start-up, in no particular order.
QList<QWidget*> startUpControls(WindowUnderTest& window)
{
    QList<QWidget*> controls{window.grid(), window.timeAxis(),
                             window.findChild<QLabel*>(QLatin1String(ObjectNames::ServoHeading))};
    for (int led = 0; led < LedSequence::LedCount; ++led)
        controls << window.ledLabel(led) << window.lamp(led) << window.rowOptionsButton(led)
                 << window.servoControl(led);
    controls << window.openButton() << window.testButton() << window.downloadButton()
             << window.saveButton() << window.settingsButton() << window.exitButton();
    return controls;
}

int largestZoom()
{
    return qEnvironmentVariableIntValue("STROBIX_TEST_LARGEST_ZOOM");
}

// The whole window, with what the window system adds, inside the screen's free area.
void verifyOnScreen(const QWidget& window)
{
    const QRect area = window.screen()->availableGeometry();
    QVERIFY2(window.frameGeometry().width() <= area.width()
                 && window.frameGeometry().height() <= area.height(),
             qPrintable(describe(&window)));
}

// Controls of the Settings dialog: apart, inside it, captions not cut off.
void verifySettingsLayout(SettingsDialog& dialog)
{
    QList<QWidget*> controls;
    // The red hint's box reaches into the buttons' row as the dialog was
    // drawn; its one line of text stays clear of them.
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->objectName() != QLatin1String("Label6"))
            controls << child;
    verifyApart(controls);
    verifyInside(&dialog, controls);
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        QVERIFY2(textWidth(button, button->text()) < button->width() - 8,
                 qPrintable(describe(button)));
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layoutAtEveryStep_data();
    void layoutAtEveryStep();
    void zoomKeysFollowTheSteps();
    void rememberedZoomThatDoesNotFitIsLowered();

private:
    qreal m_desktopPoints = 0;
};

void ZoomTest::initTestCase()
{
    // CTest gives every suite a scratch settings folder; run by hand, use Qt's test one.
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        QStandardPaths::setTestModeEnabled(true);
    if (largestZoom() == 0)
        QSKIP("Run by CTest, which says which zoom the screen takes.");
    m_desktopPoints = QApplication::font().pointSizeF();
}

void ZoomTest::init()
{
    storedSettings().clear();
}

void ZoomTest::cleanup()
{
    storedSettings().clear();
}

void ZoomTest::layoutAtEveryStep_data()
{
    QTest::addColumn<int>("percent");
    for (int percent : Zoom::Steps)
        QTest::addRow("%d%%", percent) << percent;
}

void ZoomTest::layoutAtEveryStep()
{
    QFETCH(int, percent);
    if (percent > largestZoom())
        QSKIP("This step does not fit this screen.");
    TestWindow test;
    WindowUnderTest& window = test.window();
    window.setZoomPercent(percent);
    QCOMPARE(window.zoomPercent(), percent);
    QWidget* area = window.centralWidget();
    // 640 x 255 at 100%, the rest in proportion.
    QVERIFY(qAbs(area->width() - 640 * percent / 100) <= 1);
    QVERIFY(qAbs(area->height() - 255 * percent / 100) <= 1);
    QVERIFY(window.menuBar()->sizeHint().width() <= window.width());

    // What the layout does not place grows with the window: the menus, message
    // boxes and the Settings dialog (10365 x 3120 twips to the window's 9600 wide).
    const qreal points = m_desktopPoints * percent / 100;
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
        QCOMPARE(menu->font().pointSizeF(), points);
    QCOMPARE(QMessageBox(&window).font().pointSizeF(), points);
    SettingsDialog& settings = window.settingsCommand()->dialog();
    settings.present();
    QVERIFY(qAbs(settings.width() - area->width() * 10365 / 9600) <= 2);
    verifySettingsLayout(settings);
    settings.hide();

    const QList<QWidget*> controls = startUpControls(window);
    verifyApart(controls);
    verifyInside(area, controls);

    // Captions fit at every size.
    for (QPushButton* button : area->findChildren<QPushButton*>())
        QVERIFY2(textWidth(button, button->text()) < button->width() - 8,
                 qPrintable(describe(button)));
    // A hidden caption as it is once shown.
    for (QLabel* label : area->findChildren<QLabel*>()) {
        const bool hidden = label->isHidden();
        label->show();
        QVERIFY2(textWidth(label, label->text()) <= label->contentsRect().width(),
                 qPrintable(describe(label)));
        label->setHidden(hidden);
    }
    // The pop-up lists show every entry without scrolling, inside the window.
    for (QListWidget* list : {window.colorList(), window.rowOptionsList(), window.copyList()}) {
        verifyInside(area, {list});
        QVERIFY2(list->visualItemRect(list->item(list->count() - 1)).bottom()
                     < list->viewport()->height(),
                 qPrintable(describe(list)));
    }

    // The servo-stick group and the download progress take the Settings button's place.
    const QList<QWidget*> stickGroup{window.pulseWidthLabel1(), window.pulseWidth(),
                                     window.pulseWidthLabel2(), window.servoStick(),
                                     window.servoHint()};
    verifyApart(stickGroup);
    verifyInside(area, stickGroup);
    verifyInside(area, {window.progressBar(), window.downloadLabel()});
    for (QWidget* shown : stickGroup + QList<QWidget*>{window.progressBar()})
        for (QWidget* button : {window.openButton(), window.saveButton(), window.testButton(),
                                window.downloadButton(), window.exitButton()})
            QVERIFY2(!shown->geometry().intersects(button->geometry()),
                     qPrintable(describe(shown) + QStringLiteral(" covers ") + describe(button)));

    // A click at each cell's centre, through the window, lights that cell and no other.
    SequenceGrid* grid = window.grid();
    const LedSequence& sequence = window.sequence();
    int clicks = 0;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        for (int event = 0; event < LedSequence::EventCount; ++event) {
            TestWindow::click(grid, grid->cellCenter(led, event));
            ++clicks;
            QVERIFY2(sequence.cell(led, event) == 1 && litCells(sequence) == clicks,
                     qPrintable(QStringLiteral("LED%1 event %2").arg(led).arg(event)));
        }
    const TimeAxisWidget* axis = window.timeAxis();
    // The time axis labels stand under their grid columns.
    for (int event = 0; event < LedSequence::EventCount; ++event)
        QCOMPARE(axis->mapTo(area, axis->labelCenter(event)).x(),
                 grid->mapTo(area, grid->cellCenter(0, event)).x());
}

// A seeded random series of zoom keys against the steps: the zoom goes one step
// up or down per key and stays between 100% and the largest step that fits the
// screen; Ctrl+0 goes back to 100%. Each zoom is stored at once, and the next
// window starts at the last one.
void ZoomTest::zoomKeysFollowTheSteps()
{
    const int top =
        int(std::find(Zoom::Steps.begin(), Zoom::Steps.end(), largestZoom()) - Zoom::Steps.begin());
    TestWindow test;
    QWindow* window = test->windowHandle();
    struct ZoomKey {
        Qt::Key key;
        int step; // 0: back to 100%
    };
    const std::array<ZoomKey, 4> keys{{
        {Qt::Key_Plus, +1},
        {Qt::Key_Equal, +1},
        {Qt::Key_Minus, -1},
        {Qt::Key_0, 0},
    }};
    QRandomGenerator random(20261207);
    int index = 0;
    for (int press = 0; press < 60; ++press) {
        // Up more often than down, so the top end is reached too.
        const ZoomKey& key =
            keys[random.bounded(10) < 6 ? random.bounded(2) : 2 + random.bounded(2)];
        QTest::keyClick(window, key.key, Qt::ControlModifier);
        index = key.step == 0 ? 0 : std::clamp(index + key.step, 0, top);
        QCOMPARE(test->zoomPercent(), Zoom::Steps[index]);
        QCOMPARE(storedSettings().value(QStringLiteral("window/zoom")).toInt(), Zoom::Steps[index]);
        QCOMPARE(test->width(), test->centralWidget()->width());
        verifyOnScreen(test.window());
    }
    // The next run starts where this one ended.
    TestWindow next;
    QCOMPARE(next->zoomPercent(), Zoom::Steps[index]);
}

// Another monitor or a lower resolution: the window starts at the largest step
// that fits, and the choice is kept for a screen that takes it.
void ZoomTest::rememberedZoomThatDoesNotFitIsLowered()
{
    storedSettings().setValue(QStringLiteral("window/zoom"), 300);
    TestWindow test;
    QCOMPARE(test->zoomPercent(), largestZoom());
    verifyOnScreen(test.window());
    QCOMPARE(storedSettings().value(QStringLiteral("window/zoom")).toInt(), 300);
}

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
