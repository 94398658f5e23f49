// SPDX-License-Identifier: MIT
#pragma once

#include "BusyState.h"
#include "HeldPrompts.h"
#include "PortResolver.h"
#include "RowOptionsButton.h"
#include "SequenceDocument.h"
#include "TestPlayback.h"
#include "TwipsLayout.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ClickableLabel;
class CloseGuard;
class ColorChoiceController;
class DownloadCommand;
class EndMarkerController;
class FileCommands;
class FileDropHandler;
class LampWidget;
class NewClearCommand;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QScrollBar;
class RowOptionsController;
class SequenceGrid;
class TestController;
class SettingsCommand;
class ShellCommands;
class TimeAxisWidget;

// The editor's main window. It owns the document (the sequence, the program
// settings and the undo history), the visual test and the busy state, shows
// every piece of the sequence, and reaches every command through its menus and
// buttons. Controls carry the object names the rest of the program and the
// tests know them by (TestButton, ServoControl2, ...).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int LedCount = LedSequence::LedCount;

    explicit MainWindow(const QString& configPath = QStringLiteral("LED.cfg"),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    SequenceDocument& document() { return m_document; }
    BusyState& busyState() { return m_busy; }
    // The sequence for setting up a state directly, bypassing the undo history.
    LedSequence& sequence() { return m_document.sequenceForSetUp(); }
    ProgramSettings& settings() { return m_document.settings(); }
    TestPlayback& playback() { return m_playback; }
    UserPrompts& prompts() { return m_prompts; }
    // Tests answer the program's questions through their own prompts.
    void setPromptBackend(std::unique_ptr<UserPrompts> backend);
    QString configPath() const { return m_configPath; }
    FileCommands* fileCommands() const { return m_fileCommands.get(); }

    DownloadCommand& downloadCommand() const { return *m_download; }
    // Which device each port number reaches, for the download and the settings
    // dialog alike (--device, tests); the system's ports unless told.
    void setPortResolver(PortResolver resolver) { m_ports = std::move(resolver); }

    // The file last chosen in an Open, Merge or Save dialog (empty after
    // New/Clear): the name Save offers next.
    QString rememberedFile() const { return m_document.rememberedFile(); }
    void setRememberedFile(const QString& path) { m_document.setRememberedFile(path); }

    SequenceGrid* grid() const { return m_grid; }
    TimeAxisWidget* timeAxis() const { return m_timeAxis; }
    ClickableLabel* ledLabel(int led) const { return m_ledLabels[led]; }
    LampWidget* lamp(int led) const { return m_lamps[led]; }
    QPushButton* rowOptionsButton(int led) const { return m_rowOptions[led]; }
    QComboBox* servoControl(int led) const { return m_servoControls[led]; }
    QListWidget* rowOptionsList() const { return m_rowOptionsList; }
    QListWidget* copyList() const { return m_copyList; }
    QListWidget* colorList() const { return m_colorList; }

    QPushButton* openButton() const { return m_openButton; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* testButton() const { return m_testButton; }
    QPushButton* downloadButton() const { return m_downloadButton; }
    QPushButton* settingsButton() const { return m_settingsButton; }
    QPushButton* exitButton() const { return m_exitButton; }

    QScrollBar* servoStick() const { return m_servoStick; }
    QLabel* pulseWidthLabel1() const { return m_pulseWidthLabel1; }
    QLabel* pulseWidth() const { return m_pulseWidth; }
    QLabel* pulseWidthLabel2() const { return m_pulseWidthLabel2; }
    QLabel* servoHint() const { return m_servoHint; }
    QLabel* downloadLabel() const { return m_dlLabel; }
    QProgressBar* progressBar() const { return m_progressBar; }

    QAction* menuNew() const { return m_menuNew; }
    QAction* menuOpen() const { return m_menuOpen; }
    QAction* menuMerge() const { return m_menuMerge; }
    QAction* menuSave() const { return m_menuSave; }
    QAction* menuExit() const { return m_menuExit; }
    QAction* menuTest() const { return m_menuTest; }
    QAction* menuDownload() const { return m_menuDownload; }
    QAction* menuSettings() const { return m_menuSettings; }
    QAction* menuAbout() const { return m_menuAbout; }
    QAction* menuHowto() const { return m_menuHowto; }
    // Undo and redo have keys only; the menus stay as they are.
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    // The Settings command and its dialog (loaded during start-up).
    SettingsCommand* settingsCommand() const { return m_settingsCommand.get(); }
    ShellCommands* shellCommands() const { return m_shellCommands.get(); }

    // The whole window's zoom: 100, 125, 150, 200, 250 or 300 percent. Ctrl+plus,
    // Ctrl+minus and Ctrl+0 step it and remember it for the next run.
    int zoomPercent() const;
    void setZoomPercent(int percent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createSequenceRows(QWidget* area);
    void createCommandButtons(QWidget* area);
    void createServoStickGroup(QWidget* area);
    void createPopupLists(QWidget* area);
    void createMenus();
    void createUndoActions();
    void setReadingOrder();
    void createZoomActions();
    int largestFittingZoom(int percent) const;
    QSize frameExtent() const;
    void applyZoom();
    void applyTones();
    QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect twips);
    QPushButton* makeCommandButton(QWidget* parent, const QString& name, const QString& text,
                                   const QString& toolTip, QRect twips);
    QListWidget* makePopupList(QWidget* parent, const QString& name, QRect twips);
    void connectModel();
    void startUp();
    void createCommands();
    void followActivity(BusyState::Activity activity);
    void updateUndoActions();

    void showLedColor(int led);
    void showServoMode(int led);

    QString m_configPath;
    SequenceDocument m_document;
    BusyState m_busy;
    TestPlayback m_playback;
    HeldPrompts m_prompts;
    TwipsLayout m_layout;
    PortResolver m_ports = PortResolver::system();

    SequenceGrid* m_grid = nullptr;
    TimeAxisWidget* m_timeAxis = nullptr;
    std::array<ClickableLabel*, LedCount> m_ledLabels{};
    std::array<LampWidget*, LedCount> m_lamps{};
    std::array<RowOptionsButton*, LedCount> m_rowOptions{};
    std::array<QComboBox*, LedCount> m_servoControls{};
    QLabel* m_servoHeading = nullptr;
    QCheckBox* m_vspeed = nullptr;
    QListWidget* m_rowOptionsList = nullptr;
    QListWidget* m_copyList = nullptr;
    QListWidget* m_colorList = nullptr;

    QPushButton* m_openButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_testButton = nullptr;
    QPushButton* m_downloadButton = nullptr;
    QPushButton* m_settingsButton = nullptr;
    QPushButton* m_exitButton = nullptr;

    QScrollBar* m_servoStick = nullptr;
    QLabel* m_pulseWidthLabel1 = nullptr;
    QLabel* m_pulseWidth = nullptr;
    QLabel* m_pulseWidthLabel2 = nullptr;
    QLabel* m_servoHint = nullptr;
    QLabel* m_dlLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;

    QAction* m_menuNew = nullptr;
    QAction* m_menuOpen = nullptr;
    QAction* m_menuMerge = nullptr;
    QAction* m_menuSave = nullptr;
    QAction* m_menuExit = nullptr;
    QAction* m_menuTest = nullptr;
    QAction* m_menuDownload = nullptr;
    QAction* m_menuSettings = nullptr;
    QAction* m_menuAbout = nullptr;
    QAction* m_menuHowto = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;

    // Commands and pop-up choices; declared last so they go before the playback
    // they may be holding.
    std::unique_ptr<ColorChoiceController> m_colorChoice;
    std::unique_ptr<EndMarkerController> m_endMarker;
    std::unique_ptr<NewClearCommand> m_newClear;
    std::unique_ptr<RowOptionsController> m_rowOptionsController;
    std::unique_ptr<SettingsCommand> m_settingsCommand;
    std::unique_ptr<ShellCommands> m_shellCommands;
    std::unique_ptr<TestController> m_testController;
    std::unique_ptr<FileCommands> m_fileCommands;
    std::unique_ptr<FileDropHandler> m_fileDrop;
    // After the other commands, so it is destroyed before them, while the
    // controls it restores still exist.
    std::unique_ptr<DownloadCommand> m_download;
    // Asks before a close loses unsaved edits or cuts a download off.
    std::unique_ptr<CloseGuard> m_closeGuard;
};
