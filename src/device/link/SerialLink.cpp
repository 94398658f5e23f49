// SPDX-License-Identifier: MIT
#include "SerialLink.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

bool isWritableDevice(const QString& device)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), W_OK) == 0;
#else
    Q_UNUSED(device);
    return true;
#endif
}

} // namespace

SerialLink::SerialLink(QObject* parent)
    : QObject(parent)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink()
{
    SerialLink::abandon();
}

void SerialLink::configure()
{
    m_port.setBaudRate(BaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

SerialLink::OpenResult SerialLink::open(const QString& device)
{
    abandon();
    m_lastFailure.clear();
    m_device = device;
    m_port.setPortName(device);
    configure(); // settings given before open() are applied by open() itself
    if (!m_port.open(QIODevice::WriteOnly)) {
        const QSerialPort::SerialPortError error = m_port.error();
        OpenResult result{classify(error, QFileInfo::exists(device), isWritableDevice(device)),
                          m_port.errorString()};
        m_port.clearError();
        return result;
    }
    m_port.clearError();
    m_watching = true;
    return {};
}

SerialLink::OpenProblem SerialLink::classify(QSerialPort::SerialPortError error, bool exists,
                                             bool writable, PortLocator::Platform platform)
{
    switch (error) {
    case QSerialPort::NoError:
        return OpenProblem::None;
    case QSerialPort::DeviceNotFoundError:
        return OpenProblem::Missing;
    case QSerialPort::PermissionError:
        // Qt reports a port held by another program (EBUSY, a lock file) as a
        // permission error too; only a device we may not write is a matter of
        // rights. Windows answers "access denied" for a COM port another
        // program holds, and COMn is no file the program could look at.
        if (platform == PortLocator::Platform::Windows)
            return OpenProblem::Busy;
        if (!exists)
            return OpenProblem::Missing;
        return writable ? OpenProblem::Busy : OpenProblem::NoPermission;
    default:
        return exists ? OpenProblem::Unusable : OpenProblem::Missing;
    }
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (!m_port.isOpen())
        return false;
    // QSerialPort would pass the bytes to the system only on its next event
    // loop turn; flush() passes them now, without blocking, so that the pause
    // before the next write really counts from the moment they left.
    return m_port.write(bytes) == bytes.size() && m_port.flush();
}

SerialLink::Output SerialLink::output()
{
    if (!m_port.isOpen()) {
        if (m_lastFailure.isEmpty())
            noteFailure(QStringLiteral("The serial port is not open."));
        return Output::Lost;
    }
    if (m_port.bytesToWrite() > 0)
        return Output::Pending;
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    int queued = 0;
    if (::ioctl(m_port.handle(), TIOCOUTQ, &queued) != 0) {
        // An unplugged adapter fails here; its last bytes may not have left.
        noteFailure(QStringLiteral("The serial port's output queue could not be read: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return Output::Lost;
    }
    return queued > 0 ? Output::Pending : Output::Drained;
#else
    return Output::Drained;
#endif
}

void SerialLink::close()
{
    m_watching = false;
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

void SerialLink::abandon()
{
    m_watching = false;
    if (m_port.isOpen()) {
        m_port.clear(QSerialPort::Output);
        m_port.close();
    }
    m_port.clearError();
}

void SerialLink::onError(QSerialPort::SerialPortError error)
{
    if (!m_watching || error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    const QString reason = m_port.errorString();
    abandon();
    reportFailure(reason);
}

void SerialLink::reportFailure(const QString& reason)
{
    noteFailure(reason);
    emit failed(reason);
}
