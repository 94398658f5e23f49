#pragma once

#include <QObject>

#include <functional>

class MainWindow;
class QString;

// The commands that are not about the sequence: Exit (after a confirmation),
// the About box and the Users' Manual.
class ShellCommands : public QObject {
    Q_OBJECT
public:
    explicit ShellCommands(MainWindow& window);

    // What ending the program means; tests replace it to see that it happens.
    void setProgramEnder(std::function<void()> ender) { m_endProgram = std::move(ender); }

    static QString exitPrompt();
    static QString aboutText();
    static QString manualPromptTitle();
    static QString manualPrompt();
    // The web site named in the Users' Manual prompt.
    static QString siteName();

private:
    void confirmExit();
    void exitButtonClicked();
    void showAbout();
    void offerManual();

    MainWindow& m_window;
    std::function<void()> m_endProgram;
};
