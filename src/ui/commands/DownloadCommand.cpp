// SPDX-License-Identifier: MIT
#include "DownloadCommand.h"

#include "BusyState.h"
#include "DownloadMessages.h"
#include "DownloadPort.h"
#include "DownloadStream.h"
#include "SequenceDocument.h"
#include "SystemPorts.h"
#include "UserPrompts.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

DownloadCommand::DownloadCommand(const Context& context, const View& view, QAction* trigger)
    : m_context(context)
    , m_view(view)
{
    connect(trigger, &QAction::triggered, this, &DownloadCommand::run);
    // Told first, before the progress bar repaints, so the times are the writes'.
    connect(&m_sender, &PacedSender::markerSent, this, &DownloadCommand::markerWritten);
    connect(&m_sender, &PacedSender::recordSent, this, &DownloadCommand::recordWritten);
    connect(&m_sender, &PacedSender::markerSent, this, &DownloadCommand::showProgress);
    connect(&m_sender, &PacedSender::recordSent, this, &DownloadCommand::showRecord);
    connect(&m_sender, &PacedSender::finished, this, &DownloadCommand::onFinished);
    // Failures surface inside the serial port's own notification; report them
    // once that has returned, so no message box opens in the middle of it.
    connect(&m_sender, &PacedSender::failed, this, &DownloadCommand::onFailed,
            Qt::QueuedConnection);
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
    return device.isEmpty() ? tr("none present") : device;
}

void DownloadCommand::run()
{
    if (m_sender.isSending())
        return;
    m_context.busy.setDownload(BusyState::Activity::DownloadAsking);
    m_context.playback.stop();
    m_testHold.emplace(&m_context.playback);
    // Stopping hides a servo stick at once; the held test would bring the
    // Settings button back to its place only when it winds down.
    m_view.settingsButton->show();
    if (!openLink(m_context.document.settings().commPort())) {
        restoreWindow();
        end(Outcome::NotOpened);
        return;
    }
    const UserPrompts::Answer answer =
        m_context.prompts.ask({DownloadMessages::title(), DownloadMessages::instructions(),
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
    PortLocator locator;
    if (m_resolver) {
        m_device = m_resolver(port);
    } else {
        locator = SystemPorts::locator();
        m_device = locator.device(port);
    }
    if (const QString problem = DownloadPort::open(m_link, port, m_device, locator);
        !problem.isEmpty()) {
        tell(problem);
        return false;
    }
    return true;
}

void DownloadCommand::startSending()
{
    m_view.settingsButton->hide();
    m_context.busy.setDownload(BusyState::Activity::DownloadSending);
    // The stream is taken as the sequence stands at OK; the document takes no
    // edits until the download ends, so the screen shows what the device got.
    const SequenceDocument& document = m_context.document;
    m_sender.start(DownloadStream::build(document.sequence(), document.settings().picSpeed()));
}

void DownloadCommand::showProgress()
{
    m_view.progressBar->setValue(0);
    m_view.progressBar->show();
    m_view.downloadLabel->show();
}

void DownloadCommand::showRecord(int index)
{
    m_view.progressBar->setValue(index);
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

void DownloadCommand::abandon()
{
    if (!m_sender.isSending())
        return;
    m_sender.abort();
    restoreWindow();
    end(Outcome::Abandoned);
}

void DownloadCommand::restoreWindow()
{
    m_view.progressBar->hide();
    m_view.downloadLabel->hide();
    m_view.settingsButton->show();
    m_context.busy.setDownload(BusyState::Activity::Idle);
}

void DownloadCommand::end(Outcome outcome)
{
    m_testHold.reset();
    emit ended(outcome);
}

void DownloadCommand::tell(const QString& text)
{
    m_context.prompts.ask({DownloadMessages::title(), text, UserPrompts::Icon::Exclamation,
                           UserPrompts::Buttons::Ok});
}
