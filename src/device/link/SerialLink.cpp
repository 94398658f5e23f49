// SPDX-License-Identifier: MIT
#include "SerialLink.h"

SerialLink::SerialLink(QObject* parent)
    : QObject(parent)
    , m_port(new SystemSerialPort(this))
{
    connect(m_port, &SystemSerialPort::lost, this, &SerialLink::reportFailure);
}

SerialLink::~SerialLink()
{
    SerialLink::abandon();
}

bool SerialLink::isOpen() const
{
    return m_port->isOpen();
}

SerialLink::OpenResult SerialLink::open(const QString& device)
{
    abandon();
    m_lastFailure.clear();
    m_device = device;
    const auto failure = m_port->open(device, BaudRate);
    if (failure)
        return {classify(failure->refusal, failure->exists, failure->writable), failure->reason};
    return {};
}

SerialLink::OpenProblem SerialLink::classify(Refusal refusal, bool exists, bool writable,
                                             PortLocator::Platform platform)
{
    switch (refusal) {
    case Refusal::NotFound:
        return OpenProblem::Missing;
    case Refusal::Denied:
        // A port held by another program (EBUSY, a lock file) is refused like
        // one the user may not write; only a device we may not write is a
        // matter of rights. Windows answers "access denied" for a COM port
        // another program holds, and COMn is no file the program could look at.
        if (platform == PortLocator::Platform::Windows)
            return OpenProblem::Busy;
        if (!exists)
            return OpenProblem::Missing;
        return writable ? OpenProblem::Busy : OpenProblem::NoPermission;
    case Refusal::Other:
        break;
    }
    return exists ? OpenProblem::Unusable : OpenProblem::Missing;
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (!m_port->isOpen())
        return false;
    return m_port->write(bytes);
}

SerialLink::Output SerialLink::output()
{
    if (!m_port->isOpen()) {
        if (m_lastFailure.isEmpty())
            noteFailure(tr("The serial port is not open."));
        return Output::Lost;
    }
    switch (m_port->outputQueue()) {
    case SystemSerialPort::Queue::Empty:
        return Output::Drained;
    case SystemSerialPort::Queue::Pending:
        return Output::Pending;
    case SystemSerialPort::Queue::Unknown:
        break;
    }
    noteFailure(tr("The serial port's output queue could not be read: %1").arg(m_port->lastError()));
    return Output::Lost;
}

void SerialLink::close()
{
    m_port->close();
}

void SerialLink::abandon()
{
    m_port->abandon();
}

void SerialLink::reportFailure(const QString& reason)
{
    noteFailure(reason);
    emit failed(reason);
}
