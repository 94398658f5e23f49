// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "AppInfo.h"
#include "ApplicationFont.h"
#include "BgrColor.h"
#include "ClickableLabel.h"
#include "CloseGuard.h"
#include "ColorChoiceController.h"
#include "DialogPrompts.h"
#include "DownloadCommand.h"
#include "EndMarkerController.h"
#include "FileCommands.h"
#include "FileDropHandler.h"
#include "LedConfig.h"
#include "NewClearCommand.h"
#include "ObjectNames.h"
#include "RowOptionsButton.h"
#include "RowOptionsController.h"
#include "SequenceGrid.h"
#include "SettingsCommand.h"
#include "ShellCommands.h"
#include "TestController.h"
#include "TimeAxisWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
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

namespace {

constexpr int ClientWidth = 9600; // twips
constexpr int ClientHeight = 3825;
const QString ZoomKey = QStringLiteral("window/zoom");

// The settings kept for the next run, in the platform's usual place for them.
QSettings userSettings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Strobix"), QStringLiteral("Strobix"));
}

} // namespace

// In the order they are made; each may use those made before it.
struct MainWindow::Commands {
    std::unique_ptr<SettingsCommand> settings;
    std::unique_ptr<ColorChoiceController> colorChoice;
    std::unique_ptr<EndMarkerController> endMarker;
    std::unique_ptr<NewClearCommand> newClear;
    std::unique_ptr<RowOptionsController> rowOptions;
    std::unique_ptr<ShellCommands> shell;
    std::unique_ptr<TestController> test;
    std::unique_ptr<FileCommands> files;
    std::unique_ptr<FileDropHandler> fileDrop;
    std::unique_ptr<DownloadCommand> download;
    std::unique_ptr<CloseGuard> closeGuard;
};

MainWindow::MainWindow(const QString& configPath, QWidget* parent)
    : QMainWindow(parent)
    , m_playback(m_document.sequence(), m_document.settings())
    , m_prompts(&m_playback, std::make_unique<DialogPrompts>(this))
    , m_form(*this, m_document)
{
    setObjectName(QLatin1String(ObjectNames::MainWindow));
    createZoomActions();
    createUndoActions();
    connectModel();
    startUp(configPath);
    createCommands(configPath);
}

MainWindow::~MainWindow() = default;

void MainWindow::createCommands(const QString& configPath)
{
    const MainForm& f = m_form;
    Commands& c = *(m_commands = std::make_unique<Commands>());
    // The dialog's lists start from the remembered port and the default speeds.
    c.settings = std::make_unique<SettingsCommand>(
        SettingsCommand::Context{m_document.settings(), m_playback, m_prompts, m_busy, configPath,
                                 this, [this] { return m_zoom; }},
        f.menuSettings);
    c.colorChoice =
        std::make_unique<ColorChoiceController>(m_document, m_playback, f.ledLabels, f.colorList);
    c.endMarker = std::make_unique<EndMarkerController>(m_document, f.timeAxis);
    c.newClear = std::make_unique<NewClearCommand>(m_document, f.menuNew);
    c.rowOptions = std::make_unique<RowOptionsController>(m_document, m_playback, f.rowOptions,
                                                          f.rowOptionsList, f.copyList);
    c.shell = std::make_unique<ShellCommands>(
        m_prompts, m_playback,
        ShellCommands::Triggers{f.menuExit, f.exitButton, f.menuAbout, f.menuHowto});
    const TestController::View testView{
        f.testButton,
        f.settingsButton,
        f.servoStick,
        f.pulseWidth,
        {f.servoStick, f.pulseWidthLabel1, f.servoHint, f.pulseWidth, f.pulseWidthLabel2},
        f.timeAxis,
        f.lamps};
    c.test =
        std::make_unique<TestController>(m_document.sequence(), m_playback, testView, f.menuTest);
    c.files =
        std::make_unique<FileCommands>(m_document, m_prompts, m_playback, f.progressBar,
                                       FileCommands::Triggers{f.menuOpen, f.menuSave, f.menuMerge});
    c.fileDrop = std::make_unique<FileDropHandler>(*this, *c.files, m_busy);
    c.download = std::make_unique<DownloadCommand>(
        DownloadCommand::Context{m_document, m_prompts, m_playback, m_busy, m_ports},
        DownloadCommand::View{f.progressBar, f.dlLabel, f.settingsButton}, f.menuDownload);
    c.closeGuard = std::make_unique<CloseGuard>(m_document, m_busy, m_prompts, *c.download);
    // The settings dialog tells which device a port number reaches, by the download's own rule.
    c.settings->setPortDescriber([this](int port) { return m_ports.describe(port); });
}

void MainWindow::setPromptBackend(std::unique_ptr<UserPrompts> backend)
{
    m_prompts.setBackend(std::move(backend));
}

FileCommands* MainWindow::fileCommands() const
{
    return m_commands->files.get();
}

DownloadCommand& MainWindow::downloadCommand() const
{
    return *m_commands->download;
}

MainWindow::Internals MainWindow::internals()
{
    return {m_busy, m_playback, *m_commands->settings, *m_commands->shell};
}

void MainWindow::createZoomActions()
{
    struct ZoomKeys {
        const char* name;
        QList<QKeySequence> keys;
        int direction; // 0: back to 100%
    };
    const std::array<ZoomKeys, 3> zooms{{
        {ObjectNames::ZoomIn,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         +1},
        {ObjectNames::ZoomOut, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1},
        {ObjectNames::ZoomReset, {QKeySequence(Qt::CTRL | Qt::Key_0)}, 0},
    }};
    // On the window itself, not in a menu: the menus stay as they are.
    for (const ZoomKeys& zoom : zooms) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(zoom.name));
        action->setShortcuts(zoom.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int direction = zoom.direction;
        connect(action, &QAction::triggered, this, [this, direction] {
            const int percent = direction == 0 ? 100 : m_zoom.nextStep(direction).percent();
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
    for (auto step = Zoom::Steps.rbegin(); step != Zoom::Steps.rend(); ++step) {
        const Zoom zoom(*step);
        const QSize window(zoom.px(ClientWidth), zoom.px(ClientHeight) + menuHeight * *step / 100);
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

void MainWindow::setZoomPercent(int percent)
{
    const Zoom zoom = Zoom::nearestStep(percent);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    applyZoom();
}

void MainWindow::applyZoom()
{
    ApplicationFont::followZoom(zoomPercent());
    m_form.applyZoom(m_zoom);
    centralWidget()->setFixedSize(m_zoom.px(ClientWidth), m_zoom.px(ClientHeight));
    setFixedSize(centralWidget()->width(),
                 centralWidget()->height() + menuBar()->sizeHint().height());
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        m_form.applyTones(palette());
    QMainWindow::changeEvent(event);
}

void MainWindow::createUndoActions()
{
    m_undo = new QAction(tr("Undo"), this);
    m_undo->setObjectName(QLatin1String(ObjectNames::Undo));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = new QAction(tr("Redo"), this);
    m_redo->setObjectName(QLatin1String(ObjectNames::Redo));
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
    connect(&m_document, &SequenceDocument::ledColorChanged, this, &MainWindow::showLedColor);
    connect(&m_document, &SequenceDocument::servoModeChanged, this, &MainWindow::showServoMode);
    connect(&m_document, &SequenceDocument::lastEventChanged, m_form.timeAxis,
            [this](int, int current) { m_form.timeAxis->setMarkedEvent(current); });
    connect(&m_document, &SequenceDocument::captionChanged, this, &QWidget::setWindowTitle);
    for (int led = 0; led < MainForm::LedCount; ++led) {
        connect(m_form.servoControls[led], qOverload<int>(&QComboBox::activated), this,
                [this, led](int index) {
                    m_document.setServoMode(led, index);
                    showServoMode(led); // a refused change must not stay on show
                });
    }
    connect(&m_playback, &TestPlayback::runningChanged, &m_busy, &BusyState::setTesting);
    connect(&m_busy, &BusyState::activityChanged, this, &MainWindow::followActivity);
    // These buttons are the menu commands under another face.
    const MainForm& f = m_form;
    connect(f.openButton, &QPushButton::clicked, f.menuOpen, &QAction::trigger);
    connect(f.saveButton, &QPushButton::clicked, f.menuSave, &QAction::trigger);
    connect(f.testButton, &QPushButton::clicked, f.menuTest, &QAction::trigger);
    connect(f.downloadButton, &QPushButton::clicked, f.menuDownload, &QAction::trigger);
    connect(f.settingsButton, &QPushButton::clicked, f.menuSettings, &QAction::trigger);
}

// While a download asks, the buttons that start commands are off; while it
// sends, every command that could disturb it is off as well. In both, the
// sequence takes no edits, so the screen shows what the device gets.
void MainWindow::followActivity(BusyState::Activity activity)
{
    const bool sending = activity == BusyState::Activity::DownloadSending;
    const bool downloading = sending || activity == BusyState::Activity::DownloadAsking;
    const MainForm& f = m_form;
    for (QPushButton* button :
         {f.testButton, f.settingsButton, f.downloadButton, f.openButton, f.saveButton})
        button->setEnabled(!downloading);
    for (QAction* action : {f.menuDownload, f.menuTest, f.menuOpen, f.menuSave, f.menuMerge,
                            f.menuNew, f.menuSettings, f.menuExit})
        action->setEnabled(!sending);
    f.exitButton->setEnabled(!sending);

    m_document.setReadOnly(downloading);
    QList<QWidget*> editors{f.grid, f.timeAxis, f.colorList, f.rowOptionsList, f.copyList};
    for (int led = 0; led < MainForm::LedCount; ++led)
        editors << f.ledLabels[led] << f.rowOptions[led] << f.servoControls[led];
    for (QWidget* editor : editors)
        editor->setEnabled(!downloading);
    updateUndoActions();
}

void MainWindow::startUp(const QString& configPath)
{
    m_document.setCaption(AppInfo::startupCaption()); // the window's title follows
    ProgramSettings& settings = m_document.settings();
    settings.setCommPort(LedConfig::readPort(configPath));
    settings.setPicSpeed(ProgramSettings::DefaultPicSpeed);
    settings.setPcSpeed(ProgramSettings::DefaultPcSpeed);
    for (int led = 0; led < MainForm::LedCount; ++led) {
        showServoMode(led);
        showLedColor(led);
    }
    m_form.timeAxis->setMarkedEvent(m_document.sequence().lastEvent());
    // Laid out at the remembered zoom once everything is in place; one too
    // large for this screen is lowered for this run only.
    m_zoom = Zoom::nearestStep(largestFittingZoom(userSettings().value(ZoomKey, 100).toInt()));
    applyZoom();
}

void MainWindow::showLedColor(int led)
{
    const LedSequence& sequence = m_document.sequence();
    QPalette palette = m_form.ledLabels[led]->palette();
    palette.setColor(QPalette::WindowText,
                     bgrToQColor(sequence.colorValue(sequence.ledColor(led))));
    m_form.ledLabels[led]->setPalette(palette);
}

void MainWindow::showServoMode(int led)
{
    m_form.servoControls[led]->setCurrentIndex(m_document.sequence().servoMode(led));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open, once
    // nothing would be lost that the user has not agreed to lose. After Exit's
    // OK the program is already ending: nothing more to ask or to do.
    if (m_commands->shell->exitAgreed()) {
        event->accept();
        return;
    }
    if (!m_commands->closeGuard->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_commands->shell->endProgram();
}
