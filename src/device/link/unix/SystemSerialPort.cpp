// SPDX-License-Identifier: MIT
#include "SystemSerialPort.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

struct SystemSerialPort::Private {
    QSerialPort port;
    QString lastError;
    bool watching = false; // errors count only once the port is open
};

namespace {

bool isWritableDevice(const QString& device)
{
    return ::access(QFile::encodeName(device).constData(), W_OK) == 0;
}

SystemSerialPort::Refusal refusalOf(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return SystemSerialPort::Refusal::NotFound;
    case QSerialPort::PermissionError:
        return SystemSerialPort::Refusal::Denied;
    default:
        return SystemSerialPort::Refusal::Other;
    }
}

} // namespace

QString SystemSerialPort::lastingName(const QString& device)
{
    return QFileInfo(device).absoluteFilePath();
}

SystemSerialPort::SystemSerialPort(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    connect(&d->port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) {
                if (!d->watching || error == QSerialPort::NoError
                    || error == QSerialPort::TimeoutError)
                    return;
                // QSerialPort repeats the error until the port is closed.
                d->lastError = d->port.errorString();
                abandon();
                emit lost(d->lastError);
            });
}

SystemSerialPort::~SystemSerialPort() = default;

std::optional<SystemSerialPort::OpenFailure> SystemSerialPort::open(const QString& device,
                                                                    qint32 baudRate)
{
    abandon();
    d->port.setPortName(device);
    // Settings given before open() are applied by open() itself.
    d->port.setBaudRate(baudRate);
    d->port.setDataBits(QSerialPort::Data8);
    d->port.setParity(QSerialPort::NoParity);
    d->port.setStopBits(QSerialPort::OneStop);
    d->port.setFlowControl(QSerialPort::NoFlowControl);
    if (!d->port.open(QIODevice::WriteOnly)) {
        OpenFailure failure{refusalOf(d->port.error()), QFileInfo::exists(device),
                            isWritableDevice(device), d->port.errorString()};
        d->port.clearError();
        return failure;
    }
    d->port.clearError();
    d->watching = true;
    return std::nullopt;
}

bool SystemSerialPort::isOpen() const
{
    return d->port.isOpen();
}

bool SystemSerialPort::write(const QByteArray& bytes)
{
    // QSerialPort would pass the bytes to the system only on its next event
    // loop turn; flush() passes them now, without blocking, so that the pause
    // before the next write really counts from the moment they left.
    if (d->port.write(bytes) == bytes.size() && d->port.flush())
        return true;
    d->lastError = d->port.errorString();
    return false;
}

SystemSerialPort::Queue SystemSerialPort::outputQueue()
{
    if (d->port.bytesToWrite() > 0)
        return Queue::Pending;
#ifdef TIOCOUTQ
    int queued = 0;
    if (::ioctl(d->port.handle(), TIOCOUTQ, &queued) != 0) {
        // An unplugged adapter fails here; its last bytes may not have left.
        d->lastError = QString::fromLocal8Bit(std::strerror(errno));
        return Queue::Unknown;
    }
    return queued > 0 ? Queue::Pending : Queue::Empty;
#else
    return Queue::Empty;
#endif
}

void SystemSerialPort::close()
{
    d->watching = false;
    if (d->port.isOpen())
        d->port.close();
    d->port.clearError();
}

void SystemSerialPort::abandon()
{
    d->watching = false;
    if (d->port.isOpen()) {
        d->port.clear(QSerialPort::Output);
        d->port.close();
    }
    d->port.clearError();
}

QString SystemSerialPort::lastError() const
{
    return d->lastError;
}
