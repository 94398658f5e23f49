// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "PacedSender.h"
#include "SerialLink.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

#include <memory>

// --download: programs the device from a data file with no window, through the
// same stream, line settings, pacing and messages as the Download command.
// Needs only a QCoreApplication. Waits for Enter after the power-up
// instructions (unless told --yes), shows progress, and ends with one of the
// documented exit codes; Ctrl+C, SIGTERM or SIGHUP close the port first.
class HeadlessDownload : public QObject {
    Q_OBJECT
public:
    explicit HeadlessDownload(const CommandLine& line);
    ~HeadlessDownload() override;

    // Runs in the application's event loop; returns the exit code.
    int run();

private:
    int prepare();
    bool openLink();
    void askToGo();
    void onInput();
    void start();
    void onRecordSent(int index);
    void onFinished();
    void onFailed(int index, const QString& reason);
    void onStopRequest();
    // The user said no, or stopped, before the first record went out.
    void cancelBeforeSending();
    void finish(int exitCode);

    CommandLine m_line;
    // Standard output does not change during a run: asked once, not per record.
    const bool m_outIsTerminal;
    SerialLink m_link;
    PacedSender m_sender{m_link};
    QByteArray m_stream;
    QString m_device;
    QByteArray m_answer;
    std::unique_ptr<QSocketNotifier> m_input;
    std::unique_ptr<QSocketNotifier> m_stopRequests;
    int m_recordsSent = 0;
    bool m_ended = false;
};
