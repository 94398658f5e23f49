// SPDX-License-Identifier: MIT
// The browser edition has no serial line of its own yet: every port is
// refused with the reason, so a download says what to do instead.
#include "SystemSerialPort.h"

#include <QCoreApplication>

struct SystemSerialPort::Private {
    QString lastError;
};

QString SystemSerialPort::lastingName(const QString& device)
{
    return device;
}

SystemSerialPort::SystemSerialPort(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
}

SystemSerialPort::~SystemSerialPort() = default;

std::optional<SystemSerialPort::OpenFailure> SystemSerialPort::open(const QString&, qint32)
{
    OpenFailure failure;
    failure.refusal = Refusal::NotFound;
    failure.reason = QCoreApplication::translate(
        "SystemSerialPort", "this page cannot reach serial ports; save the sequence and "
                            "download it with the desktop program");
    d->lastError = failure.reason;
    return failure;
}

bool SystemSerialPort::isOpen() const
{
    return false;
}

bool SystemSerialPort::write(const QByteArray&)
{
    return false;
}

SystemSerialPort::Queue SystemSerialPort::outputQueue()
{
    return Queue::Unknown;
}

void SystemSerialPort::close() {}

void SystemSerialPort::abandon() {}

QString SystemSerialPort::lastError() const
{
    return d->lastError;
}
