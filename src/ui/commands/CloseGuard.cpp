// SPDX-License-Identifier: MIT
#include "CloseGuard.h"

#include "BusyState.h"
#include "DownloadCommand.h"
#include "DownloadMessages.h"
#include "SequenceDocument.h"
#include "ShellCommands.h"
#include "UserPrompts.h"

CloseGuard::CloseGuard(const SequenceDocument& document, const BusyState& busy,
                       UserPrompts& prompts, DownloadCommand& download)
    : m_document(document)
    , m_busy(busy)
    , m_prompts(prompts)
    , m_download(download)
{
    connect(&download, &DownloadCommand::ended, this, &CloseGuard::onDownloadEnded);
}

QString CloseGuard::downloadRunningQuestion()
{
    return tr("A download to STROBIX is still going on.\r\r"
              "Click OK to stop it and close: STROBIX will not be programmed.\r"
              "Click Cancel to let the download finish.");
}

QString CloseGuard::downloadStoppedMessage()
{
    return tr("The download was stopped: STROBIX is not programmed.\r\r"
              "Download the sequence again before using the device.");
}

bool CloseGuard::mayClose()
{
    if (m_busy.activity() == BusyState::Activity::DownloadAsking)
        return false;
    // The unsaved edits first: declining there must not have stopped a download.
    if (!m_document.isClean()) {
        const UserPrompts::Answer answer =
            m_prompts.ask({QString(), ShellCommands::exitPrompt(), UserPrompts::Icon::None,
                           UserPrompts::Buttons::OkCancel});
        if (answer != UserPrompts::Answer::Ok)
            return false;
    }
    return !m_download.isSending() || mayStopDownload();
}

bool CloseGuard::mayStopDownload()
{
    m_askingToStop = true;
    m_endedWhileAsking = false;
    const UserPrompts::Answer answer =
        m_prompts.ask({DownloadMessages::title(), downloadRunningQuestion(),
                       UserPrompts::Icon::Exclamation, UserPrompts::Buttons::OkCancel});
    m_askingToStop = false;
    if (m_endedWhileAsking)
        return true; // nothing left to stop; close as the user asked
    if (answer != UserPrompts::Answer::Ok)
        return false;
    // The download went on while the question was open and may have finished.
    if (m_download.isSending()) {
        m_download.abandon();
        m_prompts.ask({DownloadMessages::title(), downloadStoppedMessage(),
                       UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok});
    }
    return true;
}

void CloseGuard::onDownloadEnded()
{
    if (!m_askingToStop)
        return;
    m_endedWhileAsking = true;
    m_prompts.withdraw();
}
