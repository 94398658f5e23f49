// SPDX-License-Identifier: MIT
#pragma once

#include "DownloadSession.h"
#include "PlaybackHold.h"

#include <QObject>
#include <QString>

#include <optional>

class BusyState;
class PortResolver;
class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class SequenceDocument;
class UserPrompts;

// The Download command (menu item and DOWNLOAD button), the window's face of
// a DownloadSession: stops the visual test, has the session open the port,
// tells the user how to put the device into its programming mode, and on OK
// has it send the sequence while a label and a progress bar show the
// download. Open and send failures are shown in a message box, and the window
// always returns to normal. The busy state tells the rest of the window when
// the download asks and when it sends, so that commands that could disturb it
// are disabled.
class DownloadCommand : public QObject {
    Q_OBJECT
public:
    using Outcome = DownloadSession::Outcome;

    struct Context {
        SequenceDocument& document;
        UserPrompts& prompts;
        TestPlayback& playback;
        BusyState& busy;
        const PortResolver& ports;
    };
    // The controls the download shows itself in.
    struct View {
        QProgressBar* progressBar;
        QLabel* downloadLabel;
        QPushButton* settingsButton;
    };

    DownloadCommand(const Context& context, const View& view, QAction* trigger);
    ~DownloadCommand() override;

    bool isSending() const { return m_session.isSending(); }
    // Stops a download that is sending, now (the window is closing).
    void abandon();

signals:
    // The window is back to normal (also after Cancel and failures).
    void ended(DownloadSession::Outcome outcome);
    // The start marker, then each record, has been handed to the system: for
    // measuring the pacing from the sender's side.
    void markerWritten();
    void recordWritten(int index);

private:
    void run();
    bool userSaysGo();
    void startSending();
    void showProgress();
    void showRecord(int index);
    void onEnded(Outcome outcome, const QString& message);
    void restoreWindow();
    void tell(const QString& text);

    Context m_context;
    View m_view;
    DownloadSession m_session;
    // A stopped test still winds down its last step; it must not take the
    // Settings button's place back while the download uses it.
    std::optional<PlaybackHold> m_testHold;
};
