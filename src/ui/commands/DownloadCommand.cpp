// SPDX-License-Identifier: MIT
#include "DownloadCommand.h"

#include "BusyState.h"
#include "DownloadMessages.h"
#include "DownloadStream.h"
#include "SequenceDocument.h"
#include "UserPrompts.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

DownloadCommand::DownloadCommand(const Context& context, const View& view, QAction* trigger)
    : m_context(context)
    , m_view(view)
    , m_session(context.ports)
{
    connect(trigger, &QAction::triggered, this, &DownloadCommand::run);
    connect(&m_session, &DownloadSession::markerSent, this, &DownloadCommand::showProgress);
    connect(&m_session, &DownloadSession::recordSent, this, &DownloadCommand::showRecord);
    connect(&m_session, &DownloadSession::ended, this, &DownloadCommand::onEnded);
}

DownloadCommand::~DownloadCommand() = default;

void DownloadCommand::run()
{
    if (m_session.isSending())
        return;
    m_context.busy.setDownload(BusyState::Activity::DownloadAsking);
    m_context.playback.stop();
    m_testHold.emplace(&m_context.playback);
    // Stopping hides a servo stick at once; the held test would bring the
    // Settings button back to its place only when it winds down.
    m_view.settingsButton->show();
    if (!m_session.open(m_context.document.settings().commPort()))
        return; // ended() has told the user and restored the window
    if (userSaysGo())
        startSending();
    else
        m_session.cancel();
}

bool DownloadCommand::userSaysGo()
{
    return m_context.prompts.ask({DownloadMessages::title(), DownloadMessages::instructions(),
                                  UserPrompts::Icon::Exclamation, UserPrompts::Buttons::OkCancel})
           == UserPrompts::Answer::Ok;
}

void DownloadCommand::startSending()
{
    m_view.settingsButton->hide();
    m_context.busy.setDownload(BusyState::Activity::DownloadSending);
    // The stream is taken as the sequence stands at OK; the document takes no
    // edits until the download ends, so the screen shows what the device got.
    const SequenceDocument& document = m_context.document;
    m_session.send(DownloadStream::build(document.sequence(), document.settings().picSpeed()));
}

// Told first, before the progress bar repaints, so the times are the writes'.
void DownloadCommand::showProgress()
{
    emit markerWritten();
    m_view.progressBar->setValue(0);
    m_view.progressBar->show();
    m_view.downloadLabel->show();
}

void DownloadCommand::showRecord(int index)
{
    emit recordWritten(index);
    m_view.progressBar->setValue(index);
}

// A completed download's only sign is the label and the bar disappearing.
void DownloadCommand::onEnded(Outcome outcome, const QString& message)
{
    // The port that would not open is told while the window still waits on it.
    if (outcome == Outcome::NotOpened)
        tell(message);
    restoreWindow();
    if (outcome == Outcome::Failed)
        tell(message);
    m_testHold.reset();
    emit ended(outcome);
}

void DownloadCommand::abandon()
{
    m_session.abandon();
}

void DownloadCommand::restoreWindow()
{
    m_view.progressBar->hide();
    m_view.downloadLabel->hide();
    m_view.settingsButton->show();
    m_context.busy.setDownload(BusyState::Activity::Idle);
}

void DownloadCommand::tell(const QString& text)
{
    m_context.prompts.ask({DownloadMessages::title(), text, UserPrompts::Icon::Exclamation,
                           UserPrompts::Buttons::Ok});
}
