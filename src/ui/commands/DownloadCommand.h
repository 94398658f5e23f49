// SPDX-License-Identifier: MIT
#pragma once

#include "PacedSender.h"
#include "PlaybackHold.h"
#include "SerialLink.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class BusyState;
class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class SequenceDocument;
class UserPrompts;

// The Download command (menu item and DOWNLOAD button): stops the visual
// test, opens the port, tells the user how to put the device into its
// programming mode, and on OK sends the sequence at the device's pace while a
// label and a progress bar show the download. Open and send failures are
// reported with the port, the device and the system's reason, and the window
// always returns to normal. The busy state tells the rest of the window when
// the download asks and when it sends, so that commands that could disturb it
// are disabled.
class DownloadCommand : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Completed, Cancelled, NotOpened, Failed, Abandoned };
    Q_ENUM(Outcome)

    // Port number -> device path ("" when the number reaches no device).
    using PortResolver = std::function<QString(int port)>;

    struct Context {
        SequenceDocument& document;
        UserPrompts& prompts;
        TestPlayback& playback;
        BusyState& busy;
    };
    // The controls the download shows itself in.
    struct View {
        QProgressBar* progressBar;
        QLabel* downloadLabel;
        QPushButton* settingsButton;
    };

    DownloadCommand(const Context& context, const View& view, QAction* trigger);
    ~DownloadCommand() override;

    // Tests point port numbers at pseudo-terminals, and --device points them all
    // at one device; otherwise the ports the system lists are numbered.
    void setPortResolver(PortResolver resolver);
    // What device a port number reaches right now, for the settings dialog.
    QString describePort(int port) const;

    bool isSending() const { return m_sender.isSending(); }
    // Stops a download that is sending, now (the window is closing).
    void abandon();

signals:
    // The window is back to normal (also after Cancel and failures).
    void ended(DownloadCommand::Outcome outcome);
    // The start marker, then each record, has been handed to the system: for
    // measuring the pacing from the sender's side.
    void markerWritten();
    void recordWritten(int index);

private:
    void run();
    bool openLink(int port);
    void startSending();
    void showProgress();
    void showRecord(int index);
    void onFinished();
    void onFailed(int index, const QString& reason);

    void restoreWindow();
    void end(Outcome outcome);
    void tell(const QString& text);

    Context m_context;
    View m_view;
    SerialLink m_link;
    PacedSender m_sender{m_link};
    PortResolver m_resolver;
    int m_port = 0;
    QString m_device;
    // A stopped test still winds down its last step; it must not take the
    // Settings button's place back while the download uses it.
    std::optional<PlaybackHold> m_testHold;
};
