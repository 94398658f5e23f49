// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// The operating system's serial port, write-only at a fixed 8N1 line. One
// header, one implementation per platform (unix/ with QSerialPort, windows/
// with the Win32 communications API), chosen by the build; SerialLink above it
// knows no platform.
class SystemSerialPort : public QObject {
    Q_OBJECT
public:
    // Why a port would not open, in the terms SerialLink explains to the user.
    enum class Refusal { NotFound, Denied, Other };
    struct OpenFailure {
        Refusal refusal = Refusal::Other;
        bool exists = false;   // something answers to the name
        bool writable = false; // and the program may write it
        QString reason;        // the system's words
    };
    enum class Queue { Empty, Pending, Unknown };

    // A device as the user named it, in the form that still reaches it from
    // another working folder: an absolute path on Unix; unchanged on Windows,
    // where COM5 and \\.\COM5 are device names, not files.
    static QString lastingName(const QString& device);

    explicit SystemSerialPort(QObject* parent = nullptr);
    ~SystemSerialPort() override;

    std::optional<OpenFailure> open(const QString& device, qint32 baudRate);
    bool isOpen() const;
    // Hands the bytes to the driver now; false (with lastError()) if it refused.
    bool write(const QByteArray& bytes);
    // Whether written bytes still wait to leave; Unknown (with lastError())
    // when the system cannot tell, which must not pass for empty.
    Queue outputQueue();
    // Restores the settings the port had before open() and closes it.
    void close();
    // Drops what is still queued and closes.
    void abandon();
    QString lastError() const;

signals:
    // The line went away while open (an adapter pulled out): the port is
    // already closed when this comes.
    void lost(const QString& reason);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
