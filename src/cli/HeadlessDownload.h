// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLine.h"
#include "DownloadSession.h"
#include "TerminalInput.h"

#include <QByteArray>
#include <QObject>

// --download: programs the device from a data file with no window, through the
// same DownloadSession as the Download command; this is its terminal face.
// Needs only a QCoreApplication. Waits for Enter after the power-up
// instructions (unless told --yes), shows progress, and ends with one of the
// documented exit codes; Ctrl+C or the terminal going away close the port first.
class HeadlessDownload : public QObject {
    Q_OBJECT
public:
    HeadlessDownload(const CommandLine& line, const PortResolver& ports);
    ~HeadlessDownload() override;

    // Runs in the application's event loop; returns the exit code.
    int run();

private:
    int prepare();
    void askToGo();
    void onAnswer(const QByteArray& line, bool complete);
    void start();
    void onRecordSent(int index);
    void onStopRequest();
    void onEnded(DownloadSession::Outcome outcome, const QString& message);
    void endProgressLine();

    CommandLine m_line;
    // Standard output does not change during a run: asked once, not per record.
    const bool m_outIsTerminal;
    DownloadSession m_session;
    QByteArray m_stream;
    TerminalInput m_terminal;
};
