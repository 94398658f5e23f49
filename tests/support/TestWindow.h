// SPDX-License-Identifier: MIT
#pragma once

#include "MainWindow.h"

#include <QTemporaryDir>

#include <memory>

class ScriptedPrompts;

// A main window for GUI tests: its own working folder for LED.cfg, scripted
// prompts in place of real dialogs, shown and exposed so mouse input reaches it.
class TestWindow {
public:
    // configContent: what LED.cfg holds before start-up; null for no file.
    explicit TestWindow(const QByteArray& configContent = QByteArray());
    ~TestWindow();

    MainWindow& window() { return *m_window; }
    MainWindow* operator->() { return m_window.get(); }
    ScriptedPrompts& prompts() { return *m_prompts; }
    QString configPath() const;
    QString dirPath() const { return m_dir.path(); }

    // Delivers a mouse click to a widget through its window, as real input arrives.
    static void click(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton);

private:
    QTemporaryDir m_dir;
    ScriptedPrompts* m_prompts = nullptr;
    std::unique_ptr<MainWindow> m_window;
};
