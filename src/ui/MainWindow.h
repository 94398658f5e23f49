// SPDX-License-Identifier: MIT
#pragma once

#include "BusyState.h"
#include "HeldPrompts.h"
#include "MainForm.h"
#include "PortResolver.h"
#include "SequenceDocument.h"
#include "TestPlayback.h"
#include "Zoom.h"

#include <QMainWindow>

#include <memory>

class DownloadCommand;
class FileCommands;
class SettingsCommand;
class ShellCommands;

// The editor's main window: the document (the sequence, the program settings
// and the undo history), the visual test, the busy state, the form that shows
// them, and the commands behind its menus and buttons, wired together.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString& configPath = QStringLiteral("LED.cfg"),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    SequenceDocument& document() { return m_document; }
    UserPrompts& prompts() { return m_prompts; }
    // Tests and benchmarks answer the program's questions through their own prompts.
    void setPromptBackend(std::unique_ptr<UserPrompts> backend);
    FileCommands* fileCommands() const;
    DownloadCommand& downloadCommand() const;
    // Which device each port number reaches, for the download and the settings
    // dialog alike (--device, tests); the system's ports unless told.
    void setPortResolver(PortResolver resolver) { m_ports = std::move(resolver); }

    // The whole window's zoom: 100, 125, 150, 200, 250 or 300 percent. Ctrl+plus,
    // Ctrl+minus and Ctrl+0 step it and remember it for the next run. The
    // window hands it to its form, its painted widgets and the settings dialog.
    int zoomPercent() const { return m_zoom.percent(); }
    Zoom zoom() const { return m_zoom; }
    void setZoomPercent(int percent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // What a user cannot see, for windows under test.
    struct Internals {
        BusyState& busy;
        TestPlayback& playback;
        SettingsCommand& settings;
        ShellCommands& shell;
    };
    Internals internals();

private:
    struct Commands;

    void createCommands(const QString& configPath);
    void createUndoActions();
    void createZoomActions();
    void connectModel();
    void startUp(const QString& configPath);
    int largestFittingZoom(int percent) const;
    QSize frameExtent() const;
    void applyZoom();
    void followActivity(BusyState::Activity activity);
    void updateUndoActions();
    void showLedColor(int led);
    void showServoMode(int led);

    SequenceDocument m_document;
    BusyState m_busy;
    TestPlayback m_playback;
    HeldPrompts m_prompts;
    PortResolver m_ports = PortResolver::system();
    Zoom m_zoom;
    MainForm m_form;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    std::unique_ptr<Commands> m_commands;
};
