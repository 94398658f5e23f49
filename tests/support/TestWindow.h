// SPDX-License-Identifier: MIT
#pragma once

#include "FindNamed.h"
#include "MainWindow.h"
#include "SequenceSetUp.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

class ClickableLabel;
class LampWidget;
class ScriptedPrompts;
class SequenceGrid;
class TimeAxisWidget;

// The main window as tests reach it: its controls by their object names, and
// through the window's seam what a user cannot see (busy state, playback, the
// commands' own state). The sequence is read here and set up through the document.
class WindowUnderTest : public MainWindow {
public:
    using MainWindow::MainWindow;

    const LedSequence& sequence() { return document().sequence(); }
    SequenceSetUp setUp() { return SequenceSetUp(document()); }
    ProgramSettings& settings() { return document().settings(); }
    BusyState& busyState() { return internals().busy; }
    TestPlayback& playback() { return internals().playback; }
    SettingsCommand* settingsCommand() { return &internals().settings; }
    ShellCommands* shellCommands() { return &internals().shell; }

    template <typename T = QWidget> T* named(const QString& name) const
    {
        return findNamed<T>(*this, name);
    }
    SequenceGrid* grid() const;
    TimeAxisWidget* timeAxis() const;
    ClickableLabel* ledLabel(int led) const;
    LampWidget* lamp(int led) const;
    QPushButton* rowOptionsButton(int led) const { return perLed<QPushButton>("RowOptions", led); }
    QComboBox* servoControl(int led) const { return perLed<QComboBox>("ServoControl", led); }
    QListWidget* rowOptionsList() const { return named<QListWidget>("RowOptionsList"); }
    QListWidget* copyList() const { return named<QListWidget>("CopyList"); }
    QListWidget* colorList() const { return named<QListWidget>("ColorList"); }

    QPushButton* openButton() const { return named<QPushButton>("OpenButton"); }
    QPushButton* saveButton() const { return named<QPushButton>("SaveButton"); }
    QPushButton* testButton() const { return named<QPushButton>("TestButton"); }
    QPushButton* downloadButton() const { return named<QPushButton>("DownloadButton"); }
    QPushButton* settingsButton() const { return named<QPushButton>("Settings_button"); }
    QPushButton* exitButton() const { return named<QPushButton>("Exit_button"); }

    QScrollBar* servoStick() const { return named<QScrollBar>("ServoStick"); }
    QLabel* pulseWidthLabel1() const { return named<QLabel>("PulseWidthlabel1"); }
    QLabel* pulseWidth() const { return named<QLabel>("PulseWidth"); }
    QLabel* pulseWidthLabel2() const { return named<QLabel>("PulseWidthlabel2"); }
    QLabel* servoHint() const { return named<QLabel>("Label2"); }
    QLabel* downloadLabel() const { return named<QLabel>("DLlabel"); }
    QProgressBar* progressBar() const { return named<QProgressBar>("ProgressBar1"); }

    QAction* menuNew() const { return named<QAction>("MENUnew"); }
    QAction* menuOpen() const { return named<QAction>("MENUopen"); }
    QAction* menuMerge() const { return named<QAction>("MENUmerge"); }
    QAction* menuSave() const { return named<QAction>("MENUsave"); }
    QAction* menuExit() const { return named<QAction>("MENUexit"); }
    QAction* menuTest() const { return named<QAction>("MENUtest"); }
    QAction* menuDownload() const { return named<QAction>("MENUdownload"); }
    QAction* menuSettings() const { return named<QAction>("MENUsettings"); }
    QAction* menuAbout() const { return named<QAction>("MENUabout"); }
    QAction* menuHowto() const { return named<QAction>("MENUhowto"); }
    QAction* undoAction() const { return named<QAction>("Undo"); }
    QAction* redoAction() const { return named<QAction>("Redo"); }

private:
    template <typename T> T* perLed(const char* name, int led) const
    {
        return named<T>(QLatin1String(name) + QString::number(led));
    }
};

// A main window for GUI tests: its own working folder for LED.cfg, scripted
// prompts in place of real dialogs, shown and exposed so mouse input reaches it.
class TestWindow {
public:
    // configContent: what LED.cfg holds before start-up; null for no file.
    explicit TestWindow(const QByteArray& configContent = QByteArray());
    ~TestWindow();

    WindowUnderTest& window() { return *m_window; }
    WindowUnderTest* operator->() { return m_window.get(); }
    ScriptedPrompts& prompts() { return *m_prompts; }
    QString configPath() const;
    QString dirPath() const { return m_dir.path(); }

    // Delivers a mouse click to a widget through its window, as real input arrives.
    static void click(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton);

private:
    QTemporaryDir m_dir;
    ScriptedPrompts* m_prompts = nullptr;
    std::unique_ptr<WindowUnderTest> m_window;
};
