#pragma once

#include "PacedSender.h"
#include "PlaybackHold.h"
#include "SerialLink.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class MainWindow;
class QAction;
class QPushButton;

// The Download command (menu item and DOWNLOAD button): stops the visual
// test, opens the port, tells the user how to put the device into its
// programming mode, and on OK sends the sequence at the device's pace while a
// label and a progress bar show the download. Open and send failures are
// reported with the port, the device and the system's reason, and the window
// always returns to normal. While the stream goes out, every command that
// could disturb it is disabled; closing the window closes the port.
class DownloadCommand : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Completed, Cancelled, NotOpened, Failed, Abandoned };
    Q_ENUM(Outcome)

    // Port number -> device path ("" when the number reaches no device).
    using PortResolver = std::function<QString(int port)>;

    explicit DownloadCommand(MainWindow& window);
    ~DownloadCommand() override;

    // Tests point port numbers at pseudo-terminals, and --device points them all
    // at one device; otherwise the ports the system lists are numbered.
    void setPortResolver(PortResolver resolver);
    // What device a port number reaches right now, for the settings dialog.
    QString describePort(int port) const;

    bool isSending() const { return m_sender.isSending(); }

signals:
    // The window is back to normal (also after Cancel and failures).
    void ended(DownloadCommand::Outcome outcome);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run();
    bool openLink(int port);
    void startSending();
    void showProgress();
    void showRecord(int index);
    void onFinished();
    void onFailed(int index, const QString& reason);
    void abandonOnClose();

    void setButtonsEnabled(bool enabled);
    void lockCommands();
    void lockOpenSettings();
    void unlockCommands();
    void restoreWindow();
    void end(Outcome outcome);
    void tell(const QString& text);

    MainWindow& m_window;
    SerialLink m_link;
    PacedSender m_sender{m_link};
    PortResolver m_resolver;
    int m_port = 0;
    QString m_device;
    std::vector<std::pair<QPointer<QAction>, bool>> m_lockedActions;
    bool m_exitButtonWasEnabled = true;
    QPointer<QPushButton> m_settingsOk; // the loaded settings dialog's OK, while locked
    bool m_settingsOkWasEnabled = true;
    // A stopped test still winds down its last step; it must not take the
    // Settings button's place back while the download uses it.
    std::optional<PlaybackHold> m_testHold;
};
