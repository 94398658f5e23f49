// SPDX-License-Identifier: MIT
#pragma once

#include "FindNamed.h"
#include "MainWindow.h"
#include "ObjectNames.h"
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
    QPushButton* rowOptionsButton(int led) const
    {
        return perLed<QPushButton>(ObjectNames::RowOptions, led);
    }
    QComboBox* servoControl(int led) const
    {
        return perLed<QComboBox>(ObjectNames::ServoControl, led);
    }
    QListWidget* rowOptionsList() const { return named<QListWidget>(ObjectNames::RowOptionsList); }
    QListWidget* copyList() const { return named<QListWidget>(ObjectNames::CopyList); }
    QListWidget* colorList() const { return named<QListWidget>(ObjectNames::ColorList); }

    QPushButton* openButton() const { return named<QPushButton>(ObjectNames::OpenButton); }
    QPushButton* saveButton() const { return named<QPushButton>(ObjectNames::SaveButton); }
    QPushButton* testButton() const { return named<QPushButton>(ObjectNames::TestButton); }
    QPushButton* downloadButton() const { return named<QPushButton>(ObjectNames::DownloadButton); }
    QPushButton* settingsButton() const { return named<QPushButton>(ObjectNames::SettingsButton); }
    QPushButton* exitButton() const { return named<QPushButton>(ObjectNames::ExitButton); }

    QScrollBar* servoStick() const { return named<QScrollBar>(ObjectNames::ServoStick); }
    QLabel* pulseWidthLabel1() const { return named<QLabel>(ObjectNames::PulseWidthLabel1); }
    QLabel* pulseWidth() const { return named<QLabel>(ObjectNames::PulseWidth); }
    QLabel* pulseWidthLabel2() const { return named<QLabel>(ObjectNames::PulseWidthLabel2); }
    QLabel* servoHint() const { return named<QLabel>(ObjectNames::ServoHint); }
    QLabel* downloadLabel() const { return named<QLabel>(ObjectNames::DownloadLabel); }
    QProgressBar* progressBar() const { return named<QProgressBar>(ObjectNames::ProgressBar); }

    QAction* menuNew() const { return named<QAction>(ObjectNames::MenuNew); }
    QAction* menuOpen() const { return named<QAction>(ObjectNames::MenuOpen); }
    QAction* menuMerge() const { return named<QAction>(ObjectNames::MenuMerge); }
    QAction* menuSave() const { return named<QAction>(ObjectNames::MenuSave); }
    QAction* menuExit() const { return named<QAction>(ObjectNames::MenuExit); }
    QAction* menuTest() const { return named<QAction>(ObjectNames::MenuTest); }
    QAction* menuDownload() const { return named<QAction>(ObjectNames::MenuDownload); }
    QAction* menuSettings() const { return named<QAction>(ObjectNames::MenuSettings); }
    QAction* menuAbout() const { return named<QAction>(ObjectNames::MenuAbout); }
    QAction* menuHowto() const { return named<QAction>(ObjectNames::MenuHowto); }
    QAction* undoAction() const { return named<QAction>(ObjectNames::Undo); }
    QAction* redoAction() const { return named<QAction>(ObjectNames::Redo); }

private:
    template <typename T> T* perLed(const char* name, int led) const
    {
        return named<T>(ObjectNames::perLed(name, led));
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
