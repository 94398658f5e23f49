// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "AccessibleFactory.h"
#include "AppInfo.h"
#include "BgrColor.h"
#include "ClickableLabel.h"
#include "CloseGuard.h"
#include "ColorChoiceController.h"
#include "DialogPrompts.h"
#include "DownloadCommand.h"
#include "EndMarkerController.h"
#include "FileCommands.h"
#include "FileDropHandler.h"
#include "GridAccessible.h"
#include "LampPainter.h"
#include "LampWidget.h"
#include "LedConfig.h"
#include "NewClearCommand.h"
#include "PaletteTones.h"
#include "RowOptionsButton.h"
#include "RowOptionsController.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "ShellCommands.h"
#include "TestController.h"
#include "TimeAxisWidget.h"
#include "Twips.h"
#include "UiFonts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QUndoStack>
#include <QWheelEvent>

namespace {

constexpr int ClientWidth = 9600; // twips
constexpr int ClientHeight = 3825;
constexpr std::array<int, MainWindow::LedCount> RowTops{360, 720, 1080, 1440};
constexpr int TimeAxisTop = GridGeometry::TimeAxisTop;
constexpr qreal BaseFontSize = 8.25;
constexpr qreal ButtonFontSize = 12;
constexpr qreal PopupFontSize = 9.75;
constexpr int ProgressRange = 56;
const QString ZoomKey = QStringLiteral("window/zoom");

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

void describe(QWidget* widget, const QString& name, const QString& description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

// The settings kept for the next run, in the platform's usual place for them.
QSettings userSettings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Strobix"), QStringLiteral("Strobix"));
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
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->hasFocus())
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

QLabel* MainWindow::makeLabel(QWidget* parent, const QString& name, const QString& text,
                              QRect twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    m_layout.place(label, twips);
    return label;
}

QPushButton* MainWindow::makeCommandButton(QWidget* parent, const QString& name,
                                           const QString& text, const QString& toolTip, QRect twips)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    describe(button, QString(text).remove(QLatin1Char('&')), toolTip);
    m_layout.place(button, twips);
    m_layout.setFont(button, UiFonts::sansSerif(ButtonFontSize, true));
    return button;
}

QListWidget* MainWindow::makePopupList(QWidget* parent, const QString& name, QRect twips)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    m_layout.place(list, twips);
    m_layout.setFont(list, UiFonts::sansSerif(PopupFontSize));
    list->hide();
    return list;
}

namespace {

QAction* makeAction(QObject* parent, const QString& name, const QString& text)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    return action;
}

} // namespace

MainWindow::MainWindow(const QString& configPath, QWidget* parent)
    : QMainWindow(parent)
    , m_configPath(configPath)
    , m_playback(m_document.sequence(), m_document.settings())
    , m_prompts(&m_playback, std::make_unique<DialogPrompts>(this))
{
    setObjectName(QStringLiteral("Main_LEDFlasher_form"));
    createControls();
    createMenus();
    createUndoActions();
    connectModel();
    startUp();
    createCommands();
}

void MainWindow::createCommands()
{
    m_colorChoice =
        std::make_unique<ColorChoiceController>(m_document, m_playback, m_ledLabels, m_colorList);
    m_endMarker = std::make_unique<EndMarkerController>(m_document, m_timeAxis);
    m_newClear = std::make_unique<NewClearCommand>(m_document, m_menuNew);
    m_rowOptionsController = std::make_unique<RowOptionsController>(
        m_document, m_playback, m_rowOptions, m_rowOptionsList, m_copyList);
    m_shellCommands = std::make_unique<ShellCommands>(
        m_prompts, m_playback,
        ShellCommands::Triggers{m_menuExit, m_exitButton, m_menuAbout, m_menuHowto});
    const TestController::View testView{
        m_testButton,
        m_settingsButton,
        m_servoStick,
        m_pulseWidth,
        {m_servoStick, m_pulseWidthLabel1, m_servoHint, m_pulseWidth, m_pulseWidthLabel2},
        m_timeAxis,
        m_lamps};
    m_testController =
        std::make_unique<TestController>(m_document.sequence(), m_playback, testView, m_menuTest);
    m_fileCommands =
        std::make_unique<FileCommands>(m_document, m_prompts, m_playback, m_progressBar,
                                       FileCommands::Triggers{m_menuOpen, m_menuSave, m_menuMerge});
    m_fileDrop = std::make_unique<FileDropHandler>(*this, *m_fileCommands, m_busy);
    m_download = std::make_unique<DownloadCommand>(
        DownloadCommand::Context{m_document, m_prompts, m_playback, m_busy, m_ports},
        DownloadCommand::View{m_progressBar, m_dlLabel, m_settingsButton}, m_menuDownload);
    m_closeGuard = std::make_unique<CloseGuard>(m_document, m_busy, m_prompts, *m_download);
    m_settingsCommand->setPortDescriber([this](int port) { return m_ports.describe(port); });
}

MainWindow::~MainWindow() = default;

void MainWindow::setPromptBackend(std::unique_ptr<UserPrompts> backend)
{
    m_prompts.setBackend(std::move(backend));
}

void MainWindow::createControls()
{
    AccessibleFactory::install();
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    m_layout.setFont(area, UiFonts::sansSerif(BaseFontSize));
    setCentralWidget(area);

    createSequenceRows(area);
    createCommandButtons(area);
    createServoStickGroup(area);
    createPopupLists(area);
    setReadingOrder();
    createZoomActions();
    applyTones();
}

void MainWindow::createSequenceRows(QWidget* area)
{
    auto* wheelRule = new FocusedWheelOnly(this);
    m_grid = new SequenceGrid(m_document, area);
    m_layout.placeAt(m_grid, QPoint(1920, RowTops[0]));
    GridAccessible::attach(m_grid);
    describe(m_grid, tr("Sequence grid"),
             tr("Four LEDs by 50 events; each cell is on or off. Arrows move, "
                "Space toggles, Shift+arrow paints."));

    m_timeAxis = new TimeAxisWidget(LedSequence::EventCount, area);
    m_layout.placeAt(m_timeAxis, QPoint(1920, TimeAxisTop));
    describe(m_timeAxis, tr("Time axis"),
             tr("Event numbers; the red one is the last event. Left and Right move, "
                "Enter or Space moves the end marker to the focused event."));

    for (int led = 0; led < LedCount; ++led) {
        const int top = RowTops[led];
        auto* label = new ClickableLabel(ledName(led), area);
        label->setObjectName(QStringLiteral("LEDlabel1_%1").arg(led));
        m_layout.place(label, QRect(120, top, 975, 255));
        label->setToolTip(tr("Click here to change color of %1").arg(ledName(led)));
        describe(label, tr("%1 colour").arg(ledName(led)),
                 tr("Opens the colour list for %1 (Enter or Space)").arg(ledName(led)));
        label->setIndent(3);
        setBackground(label, QColor(144, 144, 144));
        m_ledLabels[led] = label;

        auto* lamp = new LampWidget(area);
        lamp->setObjectName(QStringLiteral("LED%1").arg(led));
        m_layout.place(lamp,
                       QRect(LampPainter::WindowLeft, top, LampPainter::Side, LampPainter::Side));
        describe(lamp, tr("%1 lamp").arg(ledName(led)),
                 tr("Shows %1 during the visual test").arg(ledName(led)));
        m_lamps[led] = lamp;

        auto* rowButton = new RowOptionsButton(area);
        rowButton->setObjectName(QStringLiteral("RowOptions%1").arg(led));
        m_layout.place(rowButton, QRect(1560, top, 135, 135));
        rowButton->setToolTip(tr("Click here to change %1 flash pattern").arg(ledName(led)));
        describe(rowButton, tr("%1 row options").arg(ledName(led)),
                 tr("Opens the list of operations on the %1 row").arg(ledName(led)));
        rowButton->setFocusPolicy(Qt::TabFocus);
        m_rowOptions[led] = rowButton;

        auto* servo = new QComboBox(area);
        servo->setObjectName(QStringLiteral("ServoControl%1").arg(led));
        m_layout.setFont(servo, UiFonts::sansSerif(BaseFontSize, true));
        m_layout.place(servo, QRect(8040, top, 1095, 0));
        servo->setToolTip(tr("Change how %1 will repond to R/C servo signal").arg(ledName(led)));
        describe(servo, tr("%1 servo control").arg(ledName(led)),
                 tr("How %1 responds to the R/C servo signal").arg(ledName(led)));
        servo->setFocusPolicy(Qt::StrongFocus);
        servo->installEventFilter(wheelRule);
        m_servoControls[led] = servo;
    }

    // The heading ends where the first servo list begins.
    m_servoHeading =
        makeLabel(area, QStringLiteral("Label1"), tr("Servo Control"), QRect(8040, 120, 1095, 240));
    m_servoHeading->setAlignment(Qt::AlignCenter);
    describe(m_servoHeading, tr("Servo Control"), tr("Heading of the servo-control lists"));

    m_vspeed = new QCheckBox(tr("Variable Speed"), area);
    m_vspeed->setObjectName(QStringLiteral("Vspeed"));
    m_layout.place(m_vspeed, QRect(8040, 1920, 1455, 315));
    describe(m_vspeed, tr("Variable Speed"), tr("Not used"));
    m_vspeed->hide();
}

void MainWindow::createCommandButtons(QWidget* area)
{
    struct CommandButton {
        QPushButton* MainWindow::*member;
        const char* name;
        const char* text;
        const char* toolTip;
        int left, top;
    };
    static constexpr std::array<CommandButton, 6> Buttons{{
        {&MainWindow::m_openButton, "OpenButton", QT_TR_NOOP("&Open File..."),
         QT_TR_NOOP("Click here to open and load a  LED sequence..."), 240, 2280},
        {&MainWindow::m_testButton, "TestButton", QT_TR_NOOP("&Test"),
         QT_TR_NOOP("Click here to Start/Stop the visual test of the LED sequence..."), 3840, 2280},
        {&MainWindow::m_downloadButton, "DownloadButton", QT_TR_NOOP("&DOWNLOAD"),
         QT_TR_NOOP("Click here to Download data to Strobix Sequencer/Flasher..."), 7200, 2280},
        {&MainWindow::m_saveButton, "SaveButton", QT_TR_NOOP("&Save File..."),
         QT_TR_NOOP("Click here to save the current LED sequence..."), 240, 3000},
        {&MainWindow::m_settingsButton, "Settings_button", QT_TR_NOOP("S&ettings..."),
         QT_TR_NOOP("Click here to change Software/Strobix Settings..."), 3840, 3000},
        {&MainWindow::m_exitButton, "Exit_button", QT_TR_NOOP("E&xit"),
         QT_TR_NOOP("Exit software..."), 7200, 3000},
    }};
    for (const CommandButton& button : Buttons) {
        this->*button.member =
            makeCommandButton(area, QLatin1String(button.name), tr(button.text), tr(button.toolTip),
                              QRect(button.left, button.top, 2175, 495));
    }
    // Test, Settings and Download share their access keys with the menu bar's
    // commands of the same name; leave Alt+key to the menu bar, which runs the
    // very same command, so one press is enough.
    for (QPushButton* button : {m_testButton, m_settingsButton, m_downloadButton})
        button->setShortcut(QKeySequence());
}

void MainWindow::createServoStickGroup(QWidget* area)
{
    // The readout's caption ends where the number begins, and the readout
    // where the stick begins.
    m_pulseWidthLabel1 = makeLabel(area, QStringLiteral("PulseWidthlabel1"),
                                   tr("Servo Pulsewidth ="), QRect(3600, 2880, 1560, 240));
    m_pulseWidthLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pulseWidth = makeLabel(area, QStringLiteral("PulseWidth"), QStringLiteral("1500"),
                             QRect(5160, 2880, 495, 240));
    m_pulseWidth->setAlignment(Qt::AlignCenter);
    // A servo pulse lasts 1000 to 2000 microseconds.
    m_pulseWidthLabel2 = makeLabel(area, QStringLiteral("PulseWidthlabel2"),
                                   QStringLiteral("\u00b5s"), QRect(5760, 2880, 375, 240));
    describe(m_pulseWidthLabel1, tr("Servo Pulsewidth ="),
             tr("The servo pulse width the stick sets"));
    describe(m_pulseWidth, tr("Servo pulse width"), tr("Pulse width in microseconds"));
    describe(m_pulseWidthLabel2, tr("microseconds"), tr("Unit of the servo pulse width"));

    m_servoStick = new QScrollBar(Qt::Horizontal, area);
    m_servoStick->setObjectName(QStringLiteral("ServoStick"));
    m_layout.place(m_servoStick, QRect(3360, 3120, 3135, 255));
    describe(m_servoStick, tr("Servo stick"),
             tr("Simulated R/C servo stick; Left and Right move it"));
    m_servoStick->setRange(100, 199);
    m_servoStick->setSingleStep(1);
    m_servoStick->setPageStep(10);
    m_servoStick->setValue(150);

    m_servoHint = makeLabel(area, QStringLiteral("Label2"),
                            tr("(Use Mouse or Left + Right Arrow key to change servo position)"),
                            QRect(2430, 3480, 4755, 255));
    m_servoHint->setAlignment(Qt::AlignCenter);
    m_servoHint->setToolTip(
        tr("Use the Mouse or Left + Right Arrow key to change servo position..."));
    describe(m_servoHint, m_servoHint->text(), m_servoHint->toolTip());

    for (QWidget* widget :
         {static_cast<QWidget*>(m_pulseWidthLabel1), static_cast<QWidget*>(m_pulseWidth),
          static_cast<QWidget*>(m_pulseWidthLabel2), static_cast<QWidget*>(m_servoStick),
          static_cast<QWidget*>(m_servoHint)})
        widget->hide();

    m_dlLabel = makeLabel(area, QStringLiteral("DLlabel"), tr("Downloading to STROBIX ..."),
                          QRect(3120, 2880, 3495, 735));
    m_dlLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_layout.setFont(m_dlLabel, UiFonts::sansSerif(PopupFontSize, true));
    m_dlLabel->setToolTip(tr("Downloading data to the Strobix..."));
    describe(m_dlLabel, m_dlLabel->text(), m_dlLabel->toolTip());
    setBackground(m_dlLabel, QColor(192, 192, 192));
    setTextColor(m_dlLabel, Qt::red);
    m_dlLabel->hide();

    m_progressBar = new QProgressBar(area);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_layout.place(m_progressBar, QRect(3360, 3240, 3015, 255));
    describe(m_progressBar, tr("Download progress"), tr("Records sent to the sequencer"));
    m_progressBar->setRange(0, ProgressRange);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
}

void MainWindow::createPopupLists(QWidget* area)
{
    m_colorList = makePopupList(area, QStringLiteral("ColorList"), QRect(1560, 360, 1455, 2940));
    m_rowOptionsList =
        makePopupList(area, QStringLiteral("RowOptionsList"), QRect(1680, 480, 1455, 2940));
    m_copyList = makePopupList(area, QStringLiteral("CopyList"), QRect(1560, 360, 975, 2940));
    const QString keys = tr(" Up and Down move, Enter picks, Escape closes.");
    describe(m_colorList, tr("Colour list"), tr("Display colour of the LED.") + keys);
    describe(m_rowOptionsList, tr("Row options"), tr("Operations on the LED's row.") + keys);
    describe(m_copyList, tr("Copy row list"), tr("The other LED's row to copy.") + keys);
}

// Tab follows the window from the top down: the grid and its time axis, then
// the row option buttons, the LED names and the servo lists, then the commands.
void MainWindow::setReadingOrder()
{
    QList<QWidget*> order{m_grid, m_timeAxis};
    order.append(QList<QWidget*>(m_rowOptions.begin(), m_rowOptions.end()));
    order.append(QList<QWidget*>(m_ledLabels.begin(), m_ledLabels.end()));
    order.append(QList<QWidget*>(m_servoControls.begin(), m_servoControls.end()));
    order.append({m_openButton, m_testButton, m_downloadButton, m_saveButton, m_settingsButton,
                  m_exitButton, m_servoStick});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::createZoomActions()
{
    struct ZoomKeys {
        const char* name;
        QList<QKeySequence> keys;
        int direction; // 0: back to 100%
    };
    const std::array<ZoomKeys, 3> zooms{{
        {"ZoomIn",
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         +1},
        {"ZoomOut", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1},
        {"ZoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)}, 0},
    }};
    // On the window itself, not in a menu: the menus stay as they are.
    for (const ZoomKeys& zoom : zooms) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(zoom.name));
        action->setShortcuts(zoom.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int direction = zoom.direction;
        connect(action, &QAction::triggered, this, [this, direction] {
            const int percent = direction == 0 ? 100 : Twips::nextZoomStep(direction);
            if (percent > zoomPercent() && largestFittingZoom(percent) < percent)
                return; // the window would no longer fit the screen
            setZoomPercent(percent);
            userSettings().setValue(ZoomKey, zoomPercent());
        });
        addAction(action);
    }
}

// The largest zoom step up to percent at which the whole window, frame and
// menu bar included, fits the screen's available area; 100% always.
int MainWindow::largestFittingZoom(int percent) const
{
    const QSize room = screen()->availableGeometry().size() - frameExtent();
    const int menuHeight = menuBar()->sizeHint().height() * 100 / zoomPercent();
    for (auto step = Twips::ZoomSteps.rbegin(); step != Twips::ZoomSteps.rend(); ++step) {
        const QSize window(Twips::toPixels(ClientWidth, *step),
                           Twips::toPixels(ClientHeight, *step) + menuHeight * *step / 100);
        if (*step <= percent && room.width() >= window.width() && room.height() >= window.height())
            return *step;
    }
    return 100;
}

// What the window system adds around the window; before the window is shown
// it is not known yet, and a title bar and borders of the style's size stand in.
QSize MainWindow::frameExtent() const
{
    if (isVisible() && frameGeometry().size() != size())
        return frameGeometry().size() - size();
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
}

int MainWindow::zoomPercent() const
{
    return Twips::zoomPercent();
}

void MainWindow::setZoomPercent(int percent)
{
    if (Twips::setZoomPercent(percent))
        applyZoom();
}

void MainWindow::applyZoom()
{
    UiFonts::followZoom(zoomPercent());
    m_layout.apply();
    centralWidget()->setFixedSize(Twips::scaled(ClientWidth), Twips::scaled(ClientHeight));
    setFixedSize(centralWidget()->width(),
                 centralWidget()->height() + menuBar()->sizeHint().height());
}

// Colours fixed by the window's design that must stay readable under a dark palette.
void MainWindow::applyTones()
{
    setBackground(m_servoHeading, QColor(224, 224, 224));
    setTextColor(m_servoHeading, Qt::black);
    setBackground(m_servoHint, QColor(224, 224, 224));
    setTextColor(m_servoHint, Qt::black);
    setTextColor(m_pulseWidth, PaletteTones::readoutNumber(palette()));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyTones();
    QMainWindow::changeEvent(event);
}

void MainWindow::createMenus()
{
    m_menuNew = makeAction(this, QStringLiteral("MENUnew"), tr("&New/Clear"));
    m_menuOpen = makeAction(this, QStringLiteral("MENUopen"), tr("&Open..."));
    m_menuMerge = makeAction(this, QStringLiteral("MENUmerge"), tr("&Merge..."));
    m_menuSave = makeAction(this, QStringLiteral("MENUsave"), tr("&Save..."));
    m_menuExit = makeAction(this, QStringLiteral("MENUexit"), tr("E&xit"));
    m_menuTest = makeAction(this, QStringLiteral("MENUtest"), tr("&Test"));
    m_menuDownload = makeAction(this, QStringLiteral("MENUdownload"), tr("&Download"));
    m_menuSettings = makeAction(this, QStringLiteral("MENUsettings"), tr("S&ettings"));
    m_menuAbout = makeAction(this, QStringLiteral("MENUabout"), tr("&About"));
    m_menuHowto = makeAction(this, QStringLiteral("MENUhowto"), tr("&Users' Manual..."));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MENUfile"));
    file->addActions({m_menuNew, m_menuOpen, m_menuMerge, m_menuSave, m_menuExit});
    menuBar()->addAction(m_menuTest);
    menuBar()->addAction(m_menuDownload);
    menuBar()->addAction(m_menuSettings);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("MENUhelp"));
    help->addActions({m_menuAbout, m_menuHowto});

    // These buttons are the menu commands under another face.
    connect(m_openButton, &QPushButton::clicked, m_menuOpen, &QAction::trigger);
    connect(m_saveButton, &QPushButton::clicked, m_menuSave, &QAction::trigger);
    connect(m_testButton, &QPushButton::clicked, m_menuTest, &QAction::trigger);
    connect(m_downloadButton, &QPushButton::clicked, m_menuDownload, &QAction::trigger);
    connect(m_settingsButton, &QPushButton::clicked, m_menuSettings, &QAction::trigger);
}

void MainWindow::createUndoActions()
{
    m_undo = makeAction(this, QStringLiteral("Undo"), tr("Undo"));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = makeAction(this, QStringLiteral("Redo"), tr("Redo"));
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key))
            redoKeys.append(key);
    m_redo->setShortcuts(redoKeys);
    // On the window, not in a menu: the keys work wherever the focus is in it.
    addActions({m_undo, m_redo});
    QUndoStack& stack = m_document.undoStack();
    connect(m_undo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, this, &MainWindow::updateUndoActions);
    connect(&stack, &QUndoStack::canRedoChanged, this, &MainWindow::updateUndoActions);
    updateUndoActions();
}

void MainWindow::updateUndoActions()
{
    const bool editable = !m_busy.isDownloading();
    m_undo->setEnabled(editable && m_document.undoStack().canUndo());
    m_redo->setEnabled(editable && m_document.undoStack().canRedo());
}

void MainWindow::connectModel()
{
    const LedSequence& sequence = m_document.sequence();
    connect(&sequence, &LedSequence::ledColorChanged, this, &MainWindow::showLedColor);
    connect(&sequence, &LedSequence::servoModeChanged, this, &MainWindow::showServoMode);
    connect(&sequence, &LedSequence::lastEventChanged, m_timeAxis,
            [this](int, int current) { m_timeAxis->setMarkedEvent(current); });
    connect(&m_document, &SequenceDocument::captionChanged, this, &QWidget::setWindowTitle);
    for (int led = 0; led < LedCount; ++led) {
        connect(m_servoControls[led], qOverload<int>(&QComboBox::activated), this,
                [this, led](int index) {
                    m_document.setServoMode(led, index);
                    showServoMode(led); // a refused change must not stay on show
                });
    }
    connect(&m_playback, &TestPlayback::runningChanged, &m_busy, &BusyState::setTesting);
    connect(&m_busy, &BusyState::activityChanged, this, &MainWindow::followActivity);
}

// While a download asks, the buttons that start commands are off; while it
// sends, every command that could disturb it is off as well. In both, the
// sequence takes no edits, so the screen shows what the device gets.
void MainWindow::followActivity(BusyState::Activity activity)
{
    const bool sending = activity == BusyState::Activity::DownloadSending;
    const bool downloading = sending || activity == BusyState::Activity::DownloadAsking;
    for (QPushButton* button :
         {m_testButton, m_settingsButton, m_downloadButton, m_openButton, m_saveButton})
        button->setEnabled(!downloading);
    for (QAction* action : {m_menuDownload, m_menuTest, m_menuOpen, m_menuSave, m_menuMerge,
                            m_menuNew, m_menuSettings, m_menuExit})
        action->setEnabled(!sending);
    m_exitButton->setEnabled(!sending);

    m_document.setReadOnly(downloading);
    QList<QWidget*> editors{m_grid, m_timeAxis, m_colorList, m_rowOptionsList, m_copyList};
    for (int led = 0; led < LedCount; ++led)
        editors << m_ledLabels[led] << m_rowOptions[led] << m_servoControls[led];
    for (QWidget* editor : editors)
        editor->setEnabled(!downloading);
    updateUndoActions();
}

void MainWindow::startUp()
{
    m_document.setCaption(AppInfo::startupCaption()); // the window's title follows
    ProgramSettings& settings = m_document.settings();
    settings.setCommPort(LedConfig::readPort(m_configPath));
    settings.setPicSpeed(ProgramSettings::DefaultPicSpeed);
    settings.setPcSpeed(ProgramSettings::DefaultPcSpeed);
    // The dialog's lists start from the remembered port and the default speeds.
    m_settingsCommand = std::make_unique<SettingsCommand>(
        SettingsCommand::Context{settings, m_playback, m_prompts, m_busy, m_configPath, this},
        m_menuSettings);

    for (int color = 0; color < ColorTable::Count; ++color)
        m_colorList->addItem(ColorTable::shownName(color));
    m_rowOptionsList->addItems({tr("Clear All"), tr("Mark All"), tr("Toggle All"),
                                tr("Copy from..."), tr("Copy to..."), tr("Skip 1..."),
                                tr("Skip 2..."), tr("Skip 3..."), QString(), tr("Cancel")});
    m_copyList->addItems({QStringLiteral("LED #1"), QStringLiteral("LED #2"),
                          QStringLiteral("LED #3"), QStringLiteral("LED #4"), QString(), QString(),
                          QString(), QString(), QString(), tr("Cancel")});
    const QStringList servoEntries = ServoControl::shownEntries();
    for (int led = 0; led < LedCount; ++led) {
        m_servoControls[led]->addItems(servoEntries);
        showServoMode(led);
        showLedColor(led);
    }
    m_timeAxis->setMarkedEvent(m_document.sequence().lastEvent());
    // Laid out at the remembered zoom once everything is in place; one too
    // large for this screen is lowered for this run only.
    Twips::setZoomPercent(largestFittingZoom(userSettings().value(ZoomKey, 100).toInt()));
    applyZoom();
}

void MainWindow::showLedColor(int led)
{
    const LedSequence& sequence = m_document.sequence();
    setTextColor(m_ledLabels[led], bgrToQColor(sequence.colorValue(sequence.ledColor(led))));
}

void MainWindow::showServoMode(int led)
{
    m_servoControls[led]->setCurrentIndex(m_document.sequence().servoMode(led));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open, once
    // nothing would be lost that the user has not agreed to lose. After Exit's
    // OK the program is already ending: nothing more to ask or to do.
    if (m_shellCommands->exitAgreed()) {
        event->accept();
        return;
    }
    if (!m_closeGuard->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_shellCommands->endProgram();
}
