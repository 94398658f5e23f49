// SPDX-License-Identifier: MIT
#pragma once

#include "PacedSender.h"
#include "SerialLink.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class PortResolver;

// One download, from opening the port to its end, the same for the Download
// command and --download: the only owner of the serial line and the paced
// sender. open() takes the port (2400 baud 8N1, see SerialLink); the front end
// then asks the user for the go-ahead and calls send() or cancel(). Progress
// comes per record, and every session ends with one ended() and the message
// the user is to be shown.
class DownloadSession : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Completed, Cancelled, NotOpened, Failed, Abandoned };
    Q_ENUM(Outcome)

    explicit DownloadSession(const PortResolver& ports, QObject* parent = nullptr);
    ~DownloadSession() override;

    // port: the number the user chose, or 0 for a device named on the command
    // line. True: the port is open and waits for the go-ahead; false: the
    // session has ended (NotOpened).
    bool open(int port);
    // The go-ahead: the stream (DownloadStream::build) goes out at the device's pace.
    void send(const QByteArray& stream);
    // The user said no, or stopped the download; closes the port.
    void cancel();
    // Cuts a sending download off with no message (the program is closing).
    void abandon();

    bool isSending() const { return m_sender.isSending(); }
    QString device() const { return m_device; }
    // The record the line failed at (PacedSender::MarkerIndex for the marker).
    int failedRecord() const { return m_failedRecord; }

signals:
    void markerSent();
    void recordSent(int index);
    // message: what went wrong or what was left undone; empty after Completed,
    // Abandoned and a cancel before anything was sent.
    void ended(DownloadSession::Outcome outcome, const QString& message);

private:
    enum class Stage { Closed, Open, Sending };

    QString openProblem(int port);
    void onRecordSent(int index);
    void onFinished();
    void onFailed(int index, const QString& reason);
    void end(Outcome outcome, const QString& message = {});

    const PortResolver& m_ports;
    SerialLink m_link;
    PacedSender m_sender{m_link};
    Stage m_stage = Stage::Closed;
    int m_port = 0;
    QString m_device;
    int m_recordsSent = 0;
    int m_failedRecord = PacedSender::MarkerIndex;
};
