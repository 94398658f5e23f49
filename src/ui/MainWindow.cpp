// SPDX-License-Identifier: MIT
#include "MainWindow.h"

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
#include "LampWidget.h"
#include "LedConfig.h"
#include "NewClearCommand.h"
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
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

namespace {

constexpr int ClientWidth = 9600; // twips
constexpr int ClientHeight = 3825;
constexpr std::array<int, MainWindow::LedCount> RowTops{360, 720, 1080, 1440};
constexpr int TimeAxisTop = 1920;
constexpr qreal BaseFontSize = 8.25;
constexpr qreal ButtonFontSize = 12;
constexpr qreal PopupFontSize = 9.75;
constexpr int ProgressRange = 56;

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

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeCommandButton(QWidget* parent, const QString& name, const QString& text,
                               const QString& toolTip, QRect geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setGeometry(geometry);
    button->setFont(UiFonts::sansSerif(ButtonFontSize, true));
    return button;
}

QListWidget* makePopupList(QWidget* parent, const QString& name, const QStringList& entries,
                           QRect geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->addItems(entries);
    list->setGeometry(geometry);
    list->setFont(UiFonts::sansSerif(PopupFontSize));
    list->hide();
    return list;
}

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
        DownloadCommand::Context{m_document, m_prompts, m_playback, m_busy},
        DownloadCommand::View{m_progressBar, m_dlLabel, m_settingsButton}, m_menuDownload);
    m_closeGuard = std::make_unique<CloseGuard>(m_document, m_busy, m_prompts, *m_download);
    // The settings dialog tells which device a port number reaches, by the download's own rule.
    m_settingsCommand->setPortDescriber(
        [this](int port) { return m_download->describePort(port); });
}

MainWindow::~MainWindow() = default;

void MainWindow::setPromptBackend(std::unique_ptr<UserPrompts> backend)
{
    m_prompts.setBackend(std::move(backend));
}

void MainWindow::stopTestIfRunning()
{
    if (m_playback.isRunning())
        m_playback.stop();
}

void MainWindow::createControls()
{
    auto* area = new QWidget(this);
    area->setFont(UiFonts::sansSerif(BaseFontSize));
    area->setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    setCentralWidget(area);

    createSequenceRows(area);
    createCommandButtons(area);
    createServoStickGroup(area);
    createPopupLists(area);
}

void MainWindow::createSequenceRows(QWidget* area)
{
    m_grid = new SequenceGrid(m_document, area);
    m_grid->move(Twips::toPixels(1920), Twips::toPixels(RowTops[0]));

    m_timeAxis = new TimeAxisWidget(LedSequence::EventCount, area);
    m_timeAxis->move(Twips::toPixels(1920), Twips::toPixels(TimeAxisTop));

    for (int led = 0; led < LedCount; ++led) {
        const int top = RowTops[led];
        auto* label = new ClickableLabel(ledName(led), area);
        label->setObjectName(QStringLiteral("LEDlabel1_%1").arg(led));
        label->setGeometry(Twips::rect(120, top, 975, 255));
        label->setToolTip(QStringLiteral("Click here to change color of ") + ledName(led));
        label->setIndent(3);
        setBackground(label, QColor(144, 144, 144));
        m_ledLabels[led] = label;

        auto* lamp = new LampWidget(area);
        lamp->setObjectName(QStringLiteral("LED%1").arg(led));
        lamp->setGeometry(Twips::rect(1200, top, 255, 255));
        m_lamps[led] = lamp;

        auto* rowButton = new RowOptionsButton(area);
        rowButton->setObjectName(QStringLiteral("RowOptions%1").arg(led));
        rowButton->setGeometry(Twips::rect(1560, top, 135, 135));
        rowButton->setToolTip(
            QStringLiteral("Click here to change %1 flash pattern").arg(ledName(led)));
        rowButton->setFocusPolicy(Qt::TabFocus);
        m_rowOptions[led] = rowButton;

        auto* servo = new QComboBox(area);
        servo->setObjectName(QStringLiteral("ServoControl%1").arg(led));
        servo->setFont(UiFonts::sansSerif(BaseFontSize, true));
        servo->setGeometry(Twips::toPixels(8040), Twips::toPixels(top), Twips::toPixels(1095),
                           servo->sizeHint().height());
        servo->setToolTip(
            QStringLiteral("Change how %1 will repond to R/C servo signal").arg(ledName(led)));
        m_servoControls[led] = servo;
    }

    m_servoHeading = makeLabel(area, QStringLiteral("Label1"), QStringLiteral("Servo Control"),
                               Twips::rect(8040, 120, 1095, 255));
    m_servoHeading->setAlignment(Qt::AlignCenter);
    setBackground(m_servoHeading, QColor(224, 224, 224));

    m_vspeed = new QCheckBox(QStringLiteral("Variable Speed"), area);
    m_vspeed->setObjectName(QStringLiteral("Vspeed"));
    m_vspeed->setGeometry(Twips::rect(8040, 1920, 1455, 315));
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
        {&MainWindow::m_openButton, "OpenButton", "&Open File...",
         "Click here to open and load a  LED sequence...", 240, 2280},
        {&MainWindow::m_testButton, "TestButton", "&Test",
         "Click here to Start/Stop the visual test of the LED sequence...", 3840, 2280},
        {&MainWindow::m_downloadButton, "DownloadButton", "&DOWNLOAD",
         "Click here to Download data to Strobix Sequencer/Flasher...", 7200, 2280},
        {&MainWindow::m_saveButton, "SaveButton", "&Save File...",
         "Click here to save the current LED sequence...", 240, 3000},
        {&MainWindow::m_settingsButton, "Settings_button", "S&ettings...",
         "Click here to change Software/Strobix Settings...", 3840, 3000},
        {&MainWindow::m_exitButton, "Exit_button", "E&xit", "Exit software...", 7200, 3000},
    }};
    for (const CommandButton& button : Buttons) {
        this->*button.member = makeCommandButton(
            area, QLatin1String(button.name), QLatin1String(button.text),
            QLatin1String(button.toolTip), Twips::rect(button.left, button.top, 2175, 495));
    }
    // Test, Settings and Download share their access keys with the menu bar's
    // commands of the same name; leave Alt+key to the menu bar, which runs the
    // very same command, so one press is enough.
    for (QPushButton* button : {m_testButton, m_settingsButton, m_downloadButton})
        button->setShortcut(QKeySequence());
}

void MainWindow::createServoStickGroup(QWidget* area)
{
    m_pulseWidthLabel1 =
        makeLabel(area, QStringLiteral("PulseWidthlabel1"), QStringLiteral("Servo Pulsewidth ="),
                  Twips::rect(3600, 2880, 1575, 255));
    m_pulseWidthLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pulseWidth = makeLabel(area, QStringLiteral("PulseWidth"), QStringLiteral("1500"),
                             Twips::rect(5160, 2880, 495, 255));
    m_pulseWidth->setAlignment(Qt::AlignCenter);
    setTextColor(m_pulseWidth, QColor(0, 0, 255));
    m_pulseWidthLabel2 = makeLabel(area, QStringLiteral("PulseWidthlabel2"), QStringLiteral("ms"),
                                   Twips::rect(5760, 2880, 375, 255));

    m_servoStick = new QScrollBar(Qt::Horizontal, area);
    m_servoStick->setObjectName(QStringLiteral("ServoStick"));
    m_servoStick->setGeometry(Twips::rect(3360, 3120, 3135, 255));
    m_servoStick->setRange(100, 199);
    m_servoStick->setSingleStep(1);
    m_servoStick->setPageStep(10);
    m_servoStick->setValue(150);

    m_servoHint =
        makeLabel(area, QStringLiteral("Label2"),
                  QStringLiteral("(Use Mouse or Left + Right Arrow key to change servo position)"),
                  Twips::rect(2430, 3480, 4755, 255));
    m_servoHint->setAlignment(Qt::AlignCenter);
    m_servoHint->setToolTip(
        QStringLiteral("Use the Mouse or Left + Right Arrow key to change servo position..."));
    setBackground(m_servoHint, QColor(224, 224, 224));

    for (QWidget* widget :
         {static_cast<QWidget*>(m_pulseWidthLabel1), static_cast<QWidget*>(m_pulseWidth),
          static_cast<QWidget*>(m_pulseWidthLabel2), static_cast<QWidget*>(m_servoStick),
          static_cast<QWidget*>(m_servoHint)})
        widget->hide();

    m_dlLabel =
        makeLabel(area, QStringLiteral("DLlabel"), QStringLiteral("Downloading to STROBIX ..."),
                  Twips::rect(3120, 2880, 3495, 735));
    m_dlLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_dlLabel->setFont(UiFonts::sansSerif(PopupFontSize, true));
    m_dlLabel->setToolTip(QStringLiteral("Downloading data to the Strobix..."));
    setBackground(m_dlLabel, QColor(192, 192, 192));
    setTextColor(m_dlLabel, Qt::red);
    m_dlLabel->hide();

    m_progressBar = new QProgressBar(area);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setGeometry(Twips::rect(3360, 3240, 3015, 255));
    m_progressBar->setRange(0, ProgressRange);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
}

void MainWindow::createPopupLists(QWidget* area)
{
    m_colorList =
        makePopupList(area, QStringLiteral("ColorList"), {}, Twips::rect(1560, 360, 1455, 2940));
    m_rowOptionsList = makePopupList(area, QStringLiteral("RowOptionsList"), {},
                                     Twips::rect(1680, 480, 1455, 2940));
    m_copyList =
        makePopupList(area, QStringLiteral("CopyList"), {}, Twips::rect(1560, 360, 975, 2940));
}

void MainWindow::createMenus()
{
    m_menuNew = makeAction(this, QStringLiteral("MENUnew"), QStringLiteral("&New/Clear"));
    m_menuOpen = makeAction(this, QStringLiteral("MENUopen"), QStringLiteral("&Open..."));
    m_menuMerge = makeAction(this, QStringLiteral("MENUmerge"), QStringLiteral("&Merge..."));
    m_menuSave = makeAction(this, QStringLiteral("MENUsave"), QStringLiteral("&Save..."));
    m_menuExit = makeAction(this, QStringLiteral("MENUexit"), QStringLiteral("E&xit"));
    m_menuTest = makeAction(this, QStringLiteral("MENUtest"), QStringLiteral("&Test"));
    m_menuDownload = makeAction(this, QStringLiteral("MENUdownload"), QStringLiteral("&Download"));
    m_menuSettings = makeAction(this, QStringLiteral("MENUsettings"), QStringLiteral("S&ettings"));
    m_menuAbout = makeAction(this, QStringLiteral("MENUabout"), QStringLiteral("&About"));
    m_menuHowto =
        makeAction(this, QStringLiteral("MENUhowto"), QStringLiteral("&Users' Manual..."));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MENUfile"));
    file->addActions({m_menuNew, m_menuOpen, m_menuMerge, m_menuSave, m_menuExit});
    menuBar()->addAction(m_menuTest);
    menuBar()->addAction(m_menuDownload);
    menuBar()->addAction(m_menuSettings);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
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
    m_undo = makeAction(this, QStringLiteral("Undo"), QStringLiteral("Undo"));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = makeAction(this, QStringLiteral("Redo"), QStringLiteral("Redo"));
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
    m_document.setCaption(AppInfo::startupCaption());
    setWindowTitle(m_document.caption());
    ProgramSettings& settings = m_document.settings();
    settings.setCommPort(LedConfig::readPort(m_configPath));
    settings.setPicSpeed(ProgramSettings::DefaultPicSpeed);
    settings.setPcSpeed(ProgramSettings::DefaultPcSpeed);
    // The dialog's lists start from the remembered port and the default speeds.
    m_settingsCommand = std::make_unique<SettingsCommand>(
        SettingsCommand::Context{settings, m_playback, m_prompts, m_busy, m_configPath, this},
        m_menuSettings);

    for (int color = 0; color < ColorTable::Count; ++color)
        m_colorList->addItem(ColorTable::colorName(color));
    m_rowOptionsList->addItems({QStringLiteral("Clear All"), QStringLiteral("Mark All"),
                                QStringLiteral("Toggle All"), QStringLiteral("Copy from..."),
                                QStringLiteral("Copy to..."), QStringLiteral("Skip 1..."),
                                QStringLiteral("Skip 2..."), QStringLiteral("Skip 3..."), QString(),
                                QStringLiteral("Cancel")});
    m_copyList->addItems({QStringLiteral("LED #1"), QStringLiteral("LED #2"),
                          QStringLiteral("LED #3"), QStringLiteral("LED #4"), QString(), QString(),
                          QString(), QString(), QString(), QStringLiteral("Cancel")});
    const QStringList servoEntries = ServoControl::entries();
    for (int led = 0; led < LedCount; ++led) {
        m_servoControls[led]->addItems(servoEntries);
        showServoMode(led);
        showLedColor(led);
    }
    m_timeAxis->setMarkedEvent(m_document.sequence().lastEvent());

    setFixedSize(centralWidget()->width(),
                 centralWidget()->height() + menuBar()->sizeHint().height());
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
    // nothing would be lost that the user has not agreed to lose.
    if (!m_closeGuard->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_shellCommands->endProgram();
}
