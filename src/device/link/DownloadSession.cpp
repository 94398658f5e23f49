// SPDX-License-Identifier: MIT
#include "DownloadSession.h"

#include "DownloadMessages.h"
#include "PortResolver.h"

DownloadSession::DownloadSession(const PortResolver& ports, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
{
    connect(&m_sender, &PacedSender::markerSent, this, &DownloadSession::markerSent);
    connect(&m_sender, &PacedSender::recordSent, this, &DownloadSession::onRecordSent);
    connect(&m_sender, &PacedSender::finished, this, &DownloadSession::onFinished);
    // Failures surface inside the serial port's own notification; end once
    // that has returned, so that no front end reports from the middle of it.
    connect(&m_sender, &PacedSender::failed, this, &DownloadSession::onFailed,
            Qt::QueuedConnection);
}

DownloadSession::~DownloadSession()
{
    m_sender.abort();
}

bool DownloadSession::open(int port)
{
    m_port = port;
    m_recordsSent = 0;
    if (const QString problem = openProblem(port); !problem.isEmpty()) {
        end(Outcome::NotOpened, problem);
        return false;
    }
    m_stage = Stage::Open;
    return true;
}

QString DownloadSession::openProblem(int port)
{
    const PortResolver::Reach reach = m_ports.reach(port);
    m_device = reach.device;
    if (m_device.isEmpty())
        return DownloadMessages::noDevice(port, reach.present);
    const SerialLink::OpenResult opened = m_link.open(m_device);
    return opened.ok() ? QString() : DownloadMessages::openFailed(port, m_device, opened);
}

void DownloadSession::send(const QByteArray& stream)
{
    if (m_stage != Stage::Open)
        return; // cancelled while the user was asked
    m_stage = Stage::Sending;
    m_sender.start(stream);
}

void DownloadSession::cancel()
{
    if (m_stage == Stage::Closed)
        return;
    if (!m_sender.isSending()) {
        m_link.close();
        end(Outcome::Cancelled);
        return;
    }
    m_sender.abort(); // drops what is still queued
    end(Outcome::Cancelled,
        DownloadMessages::cancelledWhileSending(m_port, m_device, m_recordsSent));
}

void DownloadSession::abandon()
{
    if (!m_sender.isSending())
        return;
    m_sender.abort();
    end(Outcome::Abandoned);
}

void DownloadSession::onRecordSent(int index)
{
    m_recordsSent = index + 1;
    emit recordSent(index);
}

void DownloadSession::onFinished()
{
    end(Outcome::Completed);
}

void DownloadSession::onFailed(int index, const QString& reason)
{
    if (m_stage != Stage::Sending)
        return; // cancelled or abandoned while the failure was on its way
    m_failedRecord = index;
    end(Outcome::Failed, DownloadMessages::sendFailed(m_port, m_device, index, reason));
}

void DownloadSession::end(Outcome outcome, const QString& message)
{
    m_stage = Stage::Closed;
    emit ended(outcome, message);
}
