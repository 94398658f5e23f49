// SPDX-License-Identifier: MIT
#pragma once

#include "DownloadCommand.h"

#include <QObject>
#include <QString>

class BusyState;
class SequenceDocument;
class UserPrompts;

// Decides whether the main window may close now. Closing ends the program,
// so it asks first where that would lose something: edits not saved get the
// Exit command's own question, and a download that is sending is not cut off
// without the user's word (stopping it leaves the device not programmed).
// While the download's own question is open, the window stays: answering that
// question is how to stop it. A download that ends while the user is asked
// whether to stop it settles the question: it goes away and the window closes.
class CloseGuard : public QObject {
    Q_OBJECT

public:
    CloseGuard(const SequenceDocument& document, const BusyState& busy, UserPrompts& prompts,
               DownloadCommand& download);

    bool mayClose();

    static QString downloadRunningQuestion();
    static QString downloadStoppedMessage();

private:
    bool mayStopDownload();
    void onDownloadEnded();

    const SequenceDocument& m_document;
    const BusyState& m_busy;
    UserPrompts& m_prompts;
    DownloadCommand& m_download;
    bool m_askingToStop = false;
    bool m_endedWhileAsking = false;
};
