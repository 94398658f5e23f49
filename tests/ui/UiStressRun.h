// SPDX-License-Identifier: MIT
#pragma once

#include "DownloadCommand.h"
#include "RecoveryStore.h"
#include "SequenceFile.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <deque>
#include <memory>
#include <optional>
#include <random>

class WindowUnderTest;
class QWidget;
class RecoveryController;
class VirtualDevice;

// One seeded run of random use of the real main window: clicks and drags on
// its controls, commands from menus, buttons and keys, downloads to a virtual
// device on a pseudo-terminal (some of which hang up), and every prompt
// answered at random, file dialogs with odd paths included. After every
// action the window is checked against what must always hold; the first
// breach ends the run, and the action log tells how to get there again.
class UiStressRun : public QObject {
    Q_OBJECT
public:
    UiStressRun(quint64 seed, int actions);
    ~UiStressRun() override;

    // False when something that must hold did not; see failure() and log().
    bool run();

    QString failure() const { return m_failure; }
    const QStringList& log() const { return m_log; }
    QString summary() const;

    // Answers what the window asks. Defined in the source file.
    class Prompts;
    enum class Action;

public slots:
    // The program asked the desktop to open a page (the manual).
    void openUrl(const QUrl& url);

private:
    friend class Prompts;

    void setUpFiles();
    void startWindow();
    void act(Action action);
    Action pickAction();

    // Actions.
    void clickCell(Qt::MouseButton button);
    void dragOverCells();
    void clickLedLabel();
    void pickFromOpenList();
    void clickRowOptions();
    void doubleClickTimeAxis();
    void openServoList();
    void pickFromPopup();
    void moveStick();
    void clickCommandButton();
    void clickMenuBar();
    void pressKey();
    void strokeWithKeys();
    void useSettingsDialog();
    void waitAWhile();
    void closeWindow();

    // Input, through the window as real input arrives.
    void click(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton);
    QWidget* keyTarget() const;

    // What must hold.
    void check(bool condition, const QString& what);
    void checkInvariants();
    void checkMirror();
    void checkGridCells();
    void checkCommandsFollowBusyState(bool downloading, bool sending);
    void checkNothingLeftOpen();
    void checkOddFilesIntact();
    void checkRecoveryCopy();

    // Recovery copies, with shortened waits: each state the document had, and when.
    void startRecovery();
    void noteDocumentState();

    // The download's side.
    QString devicePath();
    void onDownloadQuestion();
    void onDownloadEnded(DownloadCommand::Outcome outcome);
    void finishDownloads();

    QByteArray documentBytes() const;
    int pick(int count);
    bool chance(double probability);
    void note(const QString& line);

    std::mt19937_64 m_random;
    quint64 m_seed;
    int m_actions;
    QTemporaryDir m_dir;
    std::unique_ptr<WindowUnderTest> m_window;
    Prompts* m_prompts = nullptr;
    QStringList m_log;
    QString m_failure;
    bool m_programEnded = false;
    int m_done = 0;

    std::unique_ptr<VirtualDevice> m_device;
    bool m_deviceHangsUp = false;
    bool m_downloadOpen = false;        // from the question to the end
    std::optional<QByteArray> m_stream; // the stream of the sequence at OK
    QByteArray m_sentDocument;          // the document at OK
    int m_downloads = 0;
    int m_completed = 0;
    int m_failed = 0;
    bool m_hasDeviceNode = false;

    struct Had {
        qint64 since; // ms on m_clock
        RecoveryStore::Copy copy;
    };
    std::unique_ptr<RecoveryController> m_recovery;
    std::deque<Had> m_had;
    QElapsedTimer m_clock;
};
