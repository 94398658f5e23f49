// SPDX-License-Identifier: MIT
#include "MainForm.h"

#include "AccessibleFactory.h"
#include "ClickableLabel.h"
#include "ColorTable.h"
#include "GridAccessible.h"
#include "GridGeometry.h"
#include "LampPainter.h"
#include "LampWidget.h"
#include "ObjectNames.h"
#include "PaletteTones.h"
#include "RowOptionsButton.h"
#include "SequenceDocument.h"
#include "SequenceGrid.h"
#include "ServoControl.h"
#include "TimeAxisAccessible.h"
#include "TimeAxisWidget.h"
#include "UiFonts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

namespace {

using GridGeometry::FirstColumnLeft;
using GridGeometry::FirstRowTop;
using GridGeometry::TimeAxisTop;

constexpr qreal BaseFontSize = 8.25;
constexpr qreal ButtonFontSize = 12;
constexpr qreal PopupFontSize = 9.75;
constexpr int ProgressRange = 56;
constexpr int ButtonWidth = 2175;
constexpr int ButtonHeight = 495;
constexpr int OwnSize = 0; // the control sizes itself (height 0: only the height)

// One control of the form. The rectangle is in twips in the client area; the
// controls of an LED's row give the first row's, and each row lies RowPitch
// lower. Texts may name the LED as %1. A missing accessible name is the
// caption without its access key, a missing description the tool tip.
struct Control {
    const char* name;
    QRect twips;
    const char* text;
    const char* toolTip;
    const char* accessibleName;
    const char* description;
};

const Control Form[] = {
    {ObjectNames::SequenceGrid,
     {FirstColumnLeft, FirstRowTop, OwnSize, OwnSize},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Sequence grid"),
     QT_TRANSLATE_NOOP("MainWindow", "Four LEDs by 50 events; each cell is on or off. Arrows move, "
                                     "Space toggles, Shift+arrow paints.")},
    {ObjectNames::TimeAxis,
     {FirstColumnLeft, TimeAxisTop, OwnSize, OwnSize},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Time axis"),
     QT_TRANSLATE_NOOP("MainWindow",
                       "Event numbers; the red one is the last event. Left and Right move, Enter "
                       "or Space moves the end marker to the focused event.")},
    {ObjectNames::LedLabel,
     {120, FirstRowTop, 975, 255},
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Click here to change color of %1"),
     QT_TRANSLATE_NOOP("MainWindow", "%1 colour"),
     QT_TRANSLATE_NOOP("MainWindow", "Opens the colour list for %1 (Enter or Space)")},
    {ObjectNames::Lamp,
     {LampPainter::WindowLeft, FirstRowTop, LampPainter::Side, LampPainter::Side},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "%1 lamp"),
     QT_TRANSLATE_NOOP("MainWindow", "Shows %1 during the visual test")},
    {ObjectNames::RowOptions,
     {1560, FirstRowTop, 135, 135},
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Click here to change %1 flash pattern"),
     QT_TRANSLATE_NOOP("MainWindow", "%1 row options"),
     QT_TRANSLATE_NOOP("MainWindow", "Opens the list of operations on the %1 row")},
    {ObjectNames::ServoControl,
     {8040, FirstRowTop, 1095, OwnSize},
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Change how %1 will repond to R/C servo signal"),
     QT_TRANSLATE_NOOP("MainWindow", "%1 servo control"),
     QT_TRANSLATE_NOOP("MainWindow", "How %1 responds to the R/C servo signal")},
    // The heading ends where the first servo list begins.
    {ObjectNames::ServoHeading,
     {8040, 120, 1095, 240},
     QT_TRANSLATE_NOOP("MainWindow", "Servo Control"),
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Heading of the servo-control lists")},
    {ObjectNames::OpenButton,
     {240, 2280, ButtonWidth, ButtonHeight},
     QT_TRANSLATE_NOOP("MainWindow", "&Open File..."),
     QT_TRANSLATE_NOOP("MainWindow", "Click here to open and load a  LED sequence..."),
     nullptr,
     nullptr},
    {ObjectNames::TestButton,
     {3840, 2280, ButtonWidth, ButtonHeight},
     QT_TRANSLATE_NOOP("MainWindow", "&Test"),
     QT_TRANSLATE_NOOP("MainWindow",
                       "Click here to Start/Stop the visual test of the LED sequence..."),
     nullptr,
     nullptr},
    {ObjectNames::DownloadButton,
     {7200, 2280, ButtonWidth, ButtonHeight},
     QT_TRANSLATE_NOOP("MainWindow", "&DOWNLOAD"),
     QT_TRANSLATE_NOOP("MainWindow", "Click here to Download data to Strobix Sequencer/Flasher..."),
     nullptr,
     nullptr},
    {ObjectNames::SaveButton,
     {240, 3000, ButtonWidth, ButtonHeight},
     QT_TRANSLATE_NOOP("MainWindow", "&Save File..."),
     QT_TRANSLATE_NOOP("MainWindow", "Click here to save the current LED sequence..."),
     nullptr,
     nullptr},
    {ObjectNames::SettingsButton,
     {3840, 3000, ButtonWidth, ButtonHeight},
     QT_TRANSLATE_NOOP("MainWindow", "S&ettings..."),
     QT_TRANSLATE_NOOP("MainWindow", "Click here to change Software/Strobix Settings..."),
     nullptr,
     nullptr},
    {ObjectNames::ExitButton,
     {7200, 3000, ButtonWidth, ButtonHeight},
     QT_TRANSLATE_NOOP("MainWindow", "E&xit"),
     QT_TRANSLATE_NOOP("MainWindow", "Exit software..."),
     nullptr,
     nullptr},
    // The readout's caption ends where the number begins, and the readout where
    // the stick begins.
    {ObjectNames::PulseWidthLabel1,
     {3600, 2880, 1560, 240},
     QT_TRANSLATE_NOOP("MainWindow", "Servo Pulsewidth ="),
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "The servo pulse width the stick sets")},
    {ObjectNames::PulseWidth,
     {5160, 2880, 495, 240},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Servo pulse width"),
     QT_TRANSLATE_NOOP("MainWindow", "Pulse width in microseconds")},
    {ObjectNames::PulseWidthLabel2,
     {5760, 2880, 375, 240},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "microseconds"),
     QT_TRANSLATE_NOOP("MainWindow", "Unit of the servo pulse width")},
    {ObjectNames::ServoStick,
     {3360, 3120, 3135, 255},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Servo stick"),
     QT_TRANSLATE_NOOP("MainWindow", "Simulated R/C servo stick; Left and Right move it")},
    {ObjectNames::ServoHint,
     {2430, 3480, 4755, 255},
     QT_TRANSLATE_NOOP("MainWindow",
                       "(Use Mouse or Left + Right Arrow key to change servo position)"),
     QT_TRANSLATE_NOOP("MainWindow",
                       "Use the Mouse or Left + Right Arrow key to change servo position..."),
     nullptr,
     nullptr},
    {ObjectNames::DownloadLabel,
     {3120, 2880, 3495, 735},
     QT_TRANSLATE_NOOP("MainWindow", "Downloading to STROBIX ..."),
     QT_TRANSLATE_NOOP("MainWindow", "Downloading data to the Strobix..."),
     nullptr,
     nullptr},
    {ObjectNames::ProgressBar,
     {3360, 3240, 3015, 255},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Download progress"),
     QT_TRANSLATE_NOOP("MainWindow", "Records sent to the sequencer")},
    {ObjectNames::ColorList,
     {1560, 360, 1455, 2940},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Colour list"),
     QT_TRANSLATE_NOOP("MainWindow", "Display colour of the LED.")},
    {ObjectNames::RowOptionsList,
     {1680, 480, 1455, 2940},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Row options"),
     QT_TRANSLATE_NOOP("MainWindow", "Operations on the LED's row.")},
    {ObjectNames::CopyList,
     {1560, 360, 975, 2940},
     nullptr,
     nullptr,
     QT_TRANSLATE_NOOP("MainWindow", "Copy row list"),
     QT_TRANSLATE_NOOP("MainWindow", "The other LED's row to copy.")},
};

const Control& controlNamed(const char* name)
{
    const auto found = std::find_if(std::begin(Form), std::end(Form), [name](const Control& c) {
        return qstrcmp(c.name, name) == 0;
    });
    Q_ASSERT(found != std::end(Form));
    return *found;
}

QString translated(const char* text)
{
    return text ? QCoreApplication::translate("MainWindow", text) : QString();
}

QString ledName(int led)
{
    return QStringLiteral("LED#%1").arg(led + 1);
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

template <typename Widget> void setCaption(Widget* widget, const QString& text)
{
    if constexpr (std::is_base_of_v<QLabel, Widget> || std::is_base_of_v<QAbstractButton, Widget>)
        if (!text.isEmpty())
            widget->setText(text);
}

// A drop-down list takes the wheel only when it has the focus, so scrolling
// the window past a servo list does not change that LED's servo mode.
class FocusedWheelOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        if (static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

// Builds the control `name` of the table (for row `led`, if it is an LED's)
// with its object name, place, caption, tool tip and what assistive tools say.
template <typename Widget> Widget* MainForm::make(const char* name, int led)
{
    const Control& control = controlNamed(name);
    const auto forLed = [led](QString text) {
        return led < 0 || text.isEmpty() ? text : text.arg(ledName(led));
    };
    Widget* widget;
    if constexpr (std::is_same_v<Widget, ClickableLabel>)
        widget = new ClickableLabel(ledName(led), area);
    else
        widget = new Widget(area);
    widget->setObjectName(led < 0 ? QString(QLatin1String(name)) : ObjectNames::perLed(name, led));
    QRect twips = control.twips;
    if (led > 0)
        twips.translate(0, led * GridGeometry::RowPitch);
    if (twips.width() == OwnSize)
        layout.placeAt(widget, twips.topLeft());
    else
        layout.place(widget, twips);
    const QString text = translated(control.text);
    setCaption(widget, text);
    const QString toolTip = forLed(translated(control.toolTip));
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    widget->setAccessibleName(control.accessibleName ? forLed(translated(control.accessibleName))
                                                     : QString(text).remove(QLatin1Char('&')));
    widget->setAccessibleDescription(control.description ? forLed(translated(control.description))
                                                         : toolTip);
    return widget;
}

MainForm::MainForm(QMainWindow& window, SequenceDocument& document)
    : area(new QWidget(&window))
{
    AccessibleFactory::install();
    area->setObjectName(QLatin1String(ObjectNames::ClientArea));
    layout.setFont(area, UiFonts::sansSerif(BaseFontSize));
    window.setCentralWidget(area);
    createSequenceRows(document);
    createCommandButtons();
    createServoStickGroup();
    createPopupLists();
    fillLists();
    setReadingOrder();
    createMenus(window);
    applyTones(window.palette());
}

void MainForm::createSequenceRows(SequenceDocument& document)
{
    auto* wheelRule = new FocusedWheelOnly(area);
    grid = new SequenceGrid(document, area);
    layout.placeAt(grid, controlNamed(ObjectNames::SequenceGrid).twips.topLeft());
    grid->setAccessibleName(translated(controlNamed(ObjectNames::SequenceGrid).accessibleName));
    grid->setAccessibleDescription(translated(controlNamed(ObjectNames::SequenceGrid).description));
    GridAccessible::attach(grid);

    timeAxis = new TimeAxisWidget(LedSequence::EventCount, area);
    layout.placeAt(timeAxis, controlNamed(ObjectNames::TimeAxis).twips.topLeft());
    timeAxis->setAccessibleName(translated(controlNamed(ObjectNames::TimeAxis).accessibleName));
    timeAxis->setAccessibleDescription(translated(controlNamed(ObjectNames::TimeAxis).description));
    TimeAxisAccessible::attach(timeAxis);

    for (int led = 0; led < LedCount; ++led) {
        ClickableLabel* label = ledLabels[led] = make<ClickableLabel>(ObjectNames::LedLabel, led);
        label->setIndent(3);
        setBackground(label, QColor(144, 144, 144));
        lamps[led] = make<LampWidget>(ObjectNames::Lamp, led);
        rowOptions[led] = make<RowOptionsButton>(ObjectNames::RowOptions, led);
        rowOptions[led]->setFocusPolicy(Qt::TabFocus);
        QComboBox* servo = servoControls[led] = make<QComboBox>(ObjectNames::ServoControl, led);
        layout.setFont(servo, UiFonts::sansSerif(BaseFontSize, true));
        servo->setFocusPolicy(Qt::StrongFocus);
        servo->installEventFilter(wheelRule);
    }
    servoHeading = make<QLabel>(ObjectNames::ServoHeading);
    servoHeading->setAlignment(Qt::AlignCenter);
}

void MainForm::createCommandButtons()
{
    const std::pair<QPushButton**, const char*> buttons[] = {
        {&openButton, ObjectNames::OpenButton},         {&testButton, ObjectNames::TestButton},
        {&downloadButton, ObjectNames::DownloadButton}, {&saveButton, ObjectNames::SaveButton},
        {&settingsButton, ObjectNames::SettingsButton}, {&exitButton, ObjectNames::ExitButton}};
    for (auto [button, name] : buttons) {
        *button = make<QPushButton>(name);
        layout.setFont(*button, UiFonts::sansSerif(ButtonFontSize, true));
    }
    // Test, Settings and Download share their access keys with the menu bar's
    // commands of the same name; leave Alt+key to the menu bar, which runs the
    // very same command, so one press is enough.
    for (QPushButton* button : {testButton, settingsButton, downloadButton})
        button->setShortcut(QKeySequence());
}

void MainForm::createServoStickGroup()
{
    pulseWidthLabel1 = make<QLabel>(ObjectNames::PulseWidthLabel1);
    pulseWidthLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pulseWidth = make<QLabel>(ObjectNames::PulseWidth);
    pulseWidth->setText(QStringLiteral("1500"));
    pulseWidth->setAlignment(Qt::AlignCenter);
    // A servo pulse lasts 1000 to 2000 microseconds.
    pulseWidthLabel2 = make<QLabel>(ObjectNames::PulseWidthLabel2);
    pulseWidthLabel2->setText(QStringLiteral("\u00b5s"));
    servoStick = make<QScrollBar>(ObjectNames::ServoStick);
    servoStick->setOrientation(Qt::Horizontal);
    servoStick->setRange(100, 199);
    servoStick->setSingleStep(1);
    servoStick->setPageStep(10);
    servoStick->setValue(150);
    servoHint = make<QLabel>(ObjectNames::ServoHint);
    servoHint->setAlignment(Qt::AlignCenter);
    for (QWidget* widget : std::initializer_list<QWidget*>{pulseWidthLabel1, pulseWidth,
                                                           pulseWidthLabel2, servoStick, servoHint})
        widget->hide();

    dlLabel = make<QLabel>(ObjectNames::DownloadLabel);
    dlLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layout.setFont(dlLabel, UiFonts::sansSerif(PopupFontSize, true));
    setBackground(dlLabel, QColor(192, 192, 192));
    setTextColor(dlLabel, Qt::red);
    dlLabel->hide();

    progressBar = make<QProgressBar>(ObjectNames::ProgressBar);
    progressBar->setRange(0, ProgressRange);
    progressBar->setTextVisible(false);
    progressBar->hide();
}

void MainForm::createPopupLists()
{
    const QString keys = tr(" Up and Down move, Enter picks, Escape closes.");
    const std::pair<QListWidget**, const char*> lists[] = {
        {&colorList, ObjectNames::ColorList},
        {&rowOptionsList, ObjectNames::RowOptionsList},
        {&copyList, ObjectNames::CopyList}};
    for (auto [list, name] : lists) {
        *list = make<QListWidget>(name);
        (*list)->setAccessibleDescription((*list)->accessibleDescription() + keys);
        layout.setFont(*list, UiFonts::sansSerif(PopupFontSize));
        (*list)->hide();
    }
}

void MainForm::fillLists()
{
    for (int color = 0; color < ColorTable::Count; ++color)
        colorList->addItem(ColorTable::shownName(color));
    rowOptionsList->addItems({tr("Clear All"), tr("Mark All"), tr("Toggle All"), tr("Copy from..."),
                              tr("Copy to..."), tr("Skip 1..."), tr("Skip 2..."), tr("Skip 3..."),
                              QString(), tr("Cancel")});
    copyList->addItems({QStringLiteral("LED #1"), QStringLiteral("LED #2"),
                        QStringLiteral("LED #3"), QStringLiteral("LED #4"), QString(), QString(),
                        QString(), QString(), QString(), tr("Cancel")});
    const QStringList servoEntries = ServoControl::shownEntries();
    for (QComboBox* servo : servoControls)
        servo->addItems(servoEntries);
}

// Tab follows the window from the top down: the grid and its time axis, then
// the row option buttons, the LED names and the servo lists, then the commands.
void MainForm::setReadingOrder()
{
    QList<QWidget*> order{grid, timeAxis};
    order.append(QList<QWidget*>(rowOptions.begin(), rowOptions.end()));
    order.append(QList<QWidget*>(ledLabels.begin(), ledLabels.end()));
    order.append(QList<QWidget*>(servoControls.begin(), servoControls.end()));
    order.append({openButton, testButton, downloadButton, saveButton, settingsButton, exitButton,
                  servoStick});
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainForm::createMenus(QMainWindow& window)
{
    const auto action = [&window](const char* name, const QString& text) {
        auto* made = new QAction(text, &window);
        made->setObjectName(QLatin1String(name));
        return made;
    };
    menuNew = action(ObjectNames::MenuNew, tr("&New/Clear"));
    menuOpen = action(ObjectNames::MenuOpen, tr("&Open..."));
    menuMerge = action(ObjectNames::MenuMerge, tr("&Merge..."));
    menuSave = action(ObjectNames::MenuSave, tr("&Save..."));
    menuExit = action(ObjectNames::MenuExit, tr("E&xit"));
    menuTest = action(ObjectNames::MenuTest, tr("&Test"));
    menuDownload = action(ObjectNames::MenuDownload, tr("&Download"));
    menuSettings = action(ObjectNames::MenuSettings, tr("S&ettings"));
    menuAbout = action(ObjectNames::MenuAbout, tr("&About"));
    menuHowto = action(ObjectNames::MenuHowto, tr("&Users' Manual..."));

    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QLatin1String(ObjectNames::MenuFile));
    file->addActions({menuNew, menuOpen, menuMerge, menuSave, menuExit});
    bar->addActions({menuTest, menuDownload, menuSettings});
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QLatin1String(ObjectNames::MenuHelp));
    help->addActions({menuAbout, menuHowto});
}

void MainForm::applyZoom(Zoom zoom)
{
    grid->setZoom(zoom);
    timeAxis->setZoom(zoom);
    layout.apply(zoom);
}

void MainForm::applyTones(const QPalette& palette)
{
    for (QLabel* label : {servoHeading, servoHint}) {
        setBackground(label, QColor(224, 224, 224));
        setTextColor(label, Qt::black);
    }
    setTextColor(pulseWidth, PaletteTones::readoutNumber(palette));
}
