// SPDX-License-Identifier: MIT
#pragma once

#include "PortLocator.h"

#include <QObject>
#include <QString>

#include "SystemSerialPort.h"

// The programming cable's serial line: opened at 2400 baud, no parity, 8 data
// bits, 1 stop bit, no flow control, write-only (the device never answers).
// Once open, any error the port reports means the line is gone: the port is
// closed at once and failed() is emitted a single time. The sending operations are virtual so that tests can
// stand in a line that records when each write was handed over.
class SerialLink : public QObject {
    Q_OBJECT
public:
    static constexpr qint32 BaudRate = 2400;
    static constexpr int BitsPerCharacter = 10; // start bit, 8 data bits, stop bit

    enum class OpenProblem { None, Missing, NoPermission, Busy, Unusable };

    struct OpenResult {
        OpenProblem problem = OpenProblem::None;
        QString reason; // the system's words, when the port could not be opened
        bool ok() const { return problem == OpenProblem::None; }
    };

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // Closes the port first if it is still open, then opens the device and
    // applies the line settings.
    OpenResult open(const QString& device);
    bool isOpen() const;
    QString device() const { return m_device; }

    // Hands the bytes to the system's serial driver at once; false when the
    // port is closed or the write failed (failed() has then been emitted).
    virtual bool write(const QByteArray& bytes);
    enum class Output { Drained, Pending, Lost };
    // Pending while written bytes wait in Qt's buffer or the system's output
    // queue; Lost when the port is closed or its queue cannot be read (the
    // line is gone: lastFailure() says why), which must not pass for drained.
    virtual Output output();

    // Normal end: the caller has let the output drain. Restores the port's
    // previous settings.
    virtual void close();
    // After a failure or when the program ends mid-stream: drops what is
    // still queued and closes without waiting for the line.
    virtual void abandon();

    // Why the line last failed since open(): the reason failed() gave, or why
    // the output queue could not be read. Empty while nothing failed.
    QString lastFailure() const { return m_lastFailure; }

    // How the system refused to open a port, in the user's terms.
    using Refusal = SystemSerialPort::Refusal;
    static OpenProblem classify(Refusal refusal, bool exists, bool writable,
                                PortLocator::Platform platform = PortLocator::hostPlatform());

signals:
    void failed(const QString& reason);

protected:
    // Remembers the reason without telling anybody (the caller reports it).
    void noteFailure(const QString& reason) { m_lastFailure = reason; }
    // Remembers the reason and emits failed().
    void reportFailure(const QString& reason);

private:
    SystemSerialPort* m_port;
    QString m_device;
    QString m_lastFailure;
};
