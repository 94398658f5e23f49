#include "DownloadCommand.h"

#include "DownloadMessages.h"
#include "DownloadStream.h"
#include "MainWindow.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "SystemPorts.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

DownloadCommand::DownloadCommand(MainWindow& window)
    : m_window(window)
{
    connect(window.menuDownload(), &QAction::triggered, this, &DownloadCommand::run);
    connect(&m_sender, &PacedSender::markerSent, this, &DownloadCommand::showProgress);
    connect(&m_sender, &PacedSender::recordSent, this, &DownloadCommand::showRecord);
    connect(&m_sender, &PacedSender::finished, this, &DownloadCommand::onFinished);
    // Failures surface inside the serial port's own notification; report them
    // once that has returned, so no message box opens in the middle of it.
    connect(&m_sender, &PacedSender::failed, this, &DownloadCommand::onFailed,
            Qt::QueuedConnection);
    window.installEventFilter(this);
}

DownloadCommand::~DownloadCommand()
{
    m_sender.abort();
}

void DownloadCommand::setPortResolver(PortResolver resolver)
{
    m_resolver = std::move(resolver);
}

QString DownloadCommand::describePort(int port) const
{
    if (!m_resolver)
        return SystemPorts::locator().describe(port);
    const QString device = m_resolver(port);
    return device.isEmpty() ? QStringLiteral("none present") : device;
}

void DownloadCommand::run()
{
    if (m_sender.isSending())
        return;
    setButtonsEnabled(false);
    m_window.stopTestIfRunning();
    m_testHold.emplace(&m_window.playback());
    // Stopping hides a servo stick at once; the held test would bring the
    // Settings button back to its place only when it winds down.
    m_window.settingsButton()->show();
    if (!openLink(m_window.settings().commPort())) {
        restoreWindow();
        end(Outcome::NotOpened);
        return;
    }
    const UserPrompts::Answer answer =
        m_window.prompts().ask({DownloadMessages::title(), DownloadMessages::instructions(),
                                UserPrompts::Icon::Exclamation, UserPrompts::Buttons::OkCancel});
    if (answer != UserPrompts::Answer::Ok) {
        m_link.close();
        restoreWindow();
        end(Outcome::Cancelled);
        return;
    }
    startSending();
}

bool DownloadCommand::openLink(int port)
{
    m_port = port;
    const PortLocator locator = m_resolver ? PortLocator() : SystemPorts::locator();
    m_device = m_resolver ? m_resolver(port) : locator.device(port);
    if (m_device.isEmpty()) {
        tell(DownloadMessages::noDevice(port, locator.present()));
        return false;
    }
    const SerialLink::OpenResult opened = m_link.open(m_device);
    if (!opened.ok()) {
        tell(DownloadMessages::openFailed(port, m_device, opened));
        return false;
    }
    return true;
}

void DownloadCommand::startSending()
{
    m_window.settingsButton()->hide();
    lockCommands();
    // The stream is taken as the sequence stands at OK, so edits made while it
    // goes out cannot mix two versions of the program on the device.
    m_sender.start(DownloadStream::build(m_window.sequence(), m_window.settings().picSpeed()));
}

void DownloadCommand::showProgress()
{
    m_window.progressBar()->setValue(0);
    m_window.progressBar()->show();
    m_window.downloadLabel()->show();
}

void DownloadCommand::showRecord(int index)
{
    m_window.progressBar()->setValue(index);
}

void DownloadCommand::onFinished()
{
    restoreWindow();
    end(Outcome::Completed); // the label and bar disappearing is the only sign
}

void DownloadCommand::onFailed(int index, const QString& reason)
{
    restoreWindow();
    tell(DownloadMessages::sendFailed(m_port, m_device, index, reason));
    end(Outcome::Failed);
}

void DownloadCommand::abandonOnClose()
{
    if (!m_sender.isSending())
        return;
    m_sender.abort();
    restoreWindow();
    end(Outcome::Abandoned);
}

bool DownloadCommand::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Close)
        abandonOnClose();
    return QObject::eventFilter(watched, event);
}

void DownloadCommand::setButtonsEnabled(bool enabled)
{
    for (QPushButton* button :
         {m_window.testButton(), m_window.settingsButton(), m_window.downloadButton(),
          m_window.openButton(), m_window.saveButton()})
        button->setEnabled(enabled);
}

void DownloadCommand::lockCommands()
{
    m_lockedActions.clear();
    for (QAction* action :
         {m_window.menuDownload(), m_window.menuTest(), m_window.menuOpen(), m_window.menuSave(),
          m_window.menuMerge(), m_window.menuNew(), m_window.menuSettings(), m_window.menuExit()}) {
        m_lockedActions.emplace_back(action, action->isEnabled());
        action->setEnabled(false);
    }
    m_exitButtonWasEnabled = m_window.exitButton()->isEnabled();
    m_window.exitButton()->setEnabled(false);
    lockOpenSettings();
}

void DownloadCommand::lockOpenSettings()
{
    // A settings dialog left open would change the port, the speed and LED.cfg
    // under the running download. A dialog not loaded yet cannot be shown now.
    SettingsDialog* dialog = m_window.settingsCommand()->loadedDialog();
    m_settingsOk = dialog ? dialog->okButton() : nullptr;
    if (!m_settingsOk)
        return;
    m_settingsOkWasEnabled = m_settingsOk->isEnabled();
    m_settingsOk->setEnabled(false);
}

void DownloadCommand::unlockCommands()
{
    for (const auto& [action, wasEnabled] : m_lockedActions) {
        if (action)
            action->setEnabled(wasEnabled);
    }
    if (!m_lockedActions.empty())
        m_window.exitButton()->setEnabled(m_exitButtonWasEnabled);
    m_lockedActions.clear();
    if (m_settingsOk)
        m_settingsOk->setEnabled(m_settingsOkWasEnabled);
    m_settingsOk = nullptr;
}

void DownloadCommand::restoreWindow()
{
    m_window.progressBar()->hide();
    m_window.downloadLabel()->hide();
    unlockCommands();
    setButtonsEnabled(true);
    m_window.settingsButton()->show();
}

void DownloadCommand::end(Outcome outcome)
{
    m_testHold.reset();
    emit ended(outcome);
}

void DownloadCommand::tell(const QString& text)
{
    m_window.prompts().ask({DownloadMessages::title(), text, UserPrompts::Icon::Exclamation,
                            UserPrompts::Buttons::Ok});
}
