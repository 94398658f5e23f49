// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QPushButton;
class QString;
class QUrl;
class TestPlayback;
class UserPrompts;

// The commands that are not about the sequence: Exit (after a confirmation),
// the About box and the Users' Manual.
class ShellCommands : public QObject {
    Q_OBJECT
public:
    struct Triggers {
        QAction* exit;
        QPushButton* exitButton;
        QAction* about;
        QAction* manual;
    };

    ShellCommands(UserPrompts& prompts, TestPlayback& playback, const Triggers& triggers);

    // What ending the program means; tests replace it to see that it happens.
    void setProgramEnder(std::function<void()> ender) { m_endProgram = std::move(ender); }
    // Ends the program as Exit does, without asking (the window was closed).
    void endProgram() { m_endProgram(); }
    // The user answered OK to Exit's question: closing the window that
    // follows must not ask again.
    bool exitAgreed() const { return m_exitAgreed; }
    // How the manual's page is shown (false: it could not be); tests replace it.
    void setManualOpener(std::function<bool(const QUrl&)> opener)
    {
        m_openManual = std::move(opener);
    }

    static QString exitPrompt();
    static QString aboutText();
    static QString manualPromptTitle();
    static QString manualPrompt();
    // The web site named in the Users' Manual prompt.
    static QString siteName();
    // Says that the manual at url could not be shown, and what to do about it.
    static QString manualNotOpened(const QUrl& url);

private:
    void confirmExit();
    void exitButtonClicked();
    void showAbout();
    void offerManual();

    UserPrompts& m_prompts;
    TestPlayback& m_playback;
    std::function<void()> m_endProgram;
    std::function<bool(const QUrl&)> m_openManual;
    bool m_exitAgreed = false;
};
