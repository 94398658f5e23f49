// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

// What the terminal tells a run without a window: a line the user typed, and
// a request to stop (Ctrl+C, or the terminal going away). One header, one
// implementation per platform (unix/: a signal pipe and stdin notifier;
// windows/: a console control handler and a reading thread), chosen by the build.
class TerminalInput : public QObject {
    Q_OBJECT
public:
    explicit TerminalInput(QObject* parent = nullptr);
    ~TerminalInput() override;

    // From now on Ctrl+C and its kin emit stopRequested() instead of ending the program.
    void watchStopRequests();
    // Reads standard input up to a line end; lineRead() comes once. Input that
    // ends first gives what there was, with complete false.
    void readLine();
    void stopReading();

signals:
    void stopRequested();
    void lineRead(const QByteArray& line, bool complete);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
