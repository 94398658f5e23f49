// SPDX-License-Identifier: MIT
// The serial line through Web Serial. open() waits for the browser inside the
// call (asyncify), as it is made from the user's click and must return opened
// or refused. Writes do not wait: each goes to the port's writer at once, in
// order, so nothing can run while a record is on its way (a waiting call
// there would let the event loop in at the worst time); the queue counts as
// pending until the browser has taken every byte, and a write the browser
// refused fails the next write or the drain. The browser offers no drain of
// the line itself, which the paced sender's settling time after the last
// record covers. A port that goes away (an adapter pulled out) is told as lost().
#include "SystemSerialPort.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <emscripten.h>

namespace {

constexpr int ReasonSize = 1024;

// What the page reports of a port the user unplugged, for the port open now.
QPointer<SystemSerialPort>& openPort()
{
    static QPointer<SystemSerialPort> port;
    return port;
}

// 0: open; 1: not found (no port chosen, none granted, no Web Serial);
// 2: taken by another program or tab; 3: other. The reason is the browser's.
EM_ASYNC_JS(int, strobixSerialOpen, (const char* deviceText, int baudRate, char* reason, int size), {
    const device = UTF8ToString(deviceText);
    const refuse = (code, text) => { stringToUTF8(String(text), reason, size); return code; };
    if (!window.isSecureContext)
        return refuse(1, "insecure");
    if (!("serial" in navigator))
        return refuse(1, "no-web-serial");
    let port;
    try {
        if (device === "webserial:choose") {
            port = await navigator.serial.requestPort();
        } else {
            const index = Number(device.substring("webserial:".length));
            port = (Module.strobixSerialPorts || [])[index];
            if (!port)
                return refuse(1, "gone");
        }
    } catch (e) {
        return refuse(1, e.name === "NotFoundError" ? "not-chosen" : (e.message || e));
    }
    try {
        await port.open({baudRate: baudRate, dataBits: 8, stopBits: 1, parity: "none",
                         flowControl: "none"});
    } catch (e) {
        const taken = e.name === "InvalidStateError" || e.name === "NetworkError";
        return refuse(taken ? 2 : 3, e.message || e);
    }
    const line = {port: port, writer: port.writable.getWriter(), lost: false, pending: 0, failure: ""};
    line.onDisconnect = () => {
        if (Module.strobixLine !== line)
            return;
        line.lost = true;
        _strobixSerialLost();
    };
    port.addEventListener("disconnect", line.onDisconnect);
    navigator.serial.addEventListener("disconnect", (event) => {
        if (event.target === port)
            line.onDisconnect();
    });
    Module.strobixLine = line;
    if (device === "webserial:choose" && Module.strobixRefreshPorts)
        Module.strobixRefreshPorts(); // now granted: listed from here on
    return 0;
});

// 1 and the reason when the line cannot take more: not open, gone, or a
// write the browser refused.
EM_JS(int, strobixSerialFailure, (char* reason, int size), {
    const line = Module.strobixLine;
    const failure = !line ? "the serial port is not open"
                          : (line.lost ? "the serial port has gone away" : line.failure);
    if (!failure)
        return 0;
    stringToUTF8(String(failure), reason, size);
    return 1;
});

// Hands the bytes to the port's writer now; a refusal shows in
// strobixSerialFailure() afterwards.
EM_JS(void, strobixSerialWrite, (const unsigned char* bytes, int count), {
    const line = Module.strobixLine;
    line.pending += 1;
    line.writer.write(HEAPU8.slice(bytes, bytes + count)).then(
        () => { line.pending -= 1; },
        (e) => { line.pending -= 1; line.failure = line.failure || String(e.message || e); });
});

// Whether the writer still holds bytes the browser has not taken.
EM_JS(int, strobixSerialPending, (), { return Module.strobixLine.pending > 0; });

// Lets go of the line without waiting; `drop`: discard what the writer holds.
EM_JS(void, strobixSerialClose, (int drop), {
    const line = Module.strobixLine;
    Module.strobixLine = null;
    if (!line)
        return;
    const letGo = drop ? line.writer.abort() : line.writer.close();
    letGo.catch(() => {}).then(() => {
        try { line.writer.releaseLock(); } catch (e) {}
        return line.port.close();
    }).catch(() => {});
});

// Whether the line has failed; its reason then goes to `error`.
bool lineFailed(QString* error)
{
    QByteArray reason(ReasonSize, '\0');
    if (!strobixSerialFailure(reason.data(), ReasonSize))
        return false;
    *error = QString::fromUtf8(reason.constData());
    return true;
}

QString explained(const QString& reason)
{
    if (reason == QLatin1String("insecure"))
        return QCoreApplication::translate(
            "SystemSerialPort", "browsers let only pages from https:// addresses or from this "
                                "computer use serial ports, and this page has neither");
    if (reason == QLatin1String("no-web-serial"))
        return QCoreApplication::translate(
            "SystemSerialPort", "this browser has no Web Serial; Chrome and Edge have it, "
                                "Firefox and Safari do not (Save still works in every browser)");
    if (reason == QLatin1String("not-chosen"))
        return QCoreApplication::translate(
            "SystemSerialPort", "no port was chosen in the browser's list of serial ports");
    if (reason == QLatin1String("gone"))
        return QCoreApplication::translate("SystemSerialPort",
                                           "the browser no longer lets this page use that port");
    return reason;
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void strobixSerialLost()
{
    QPointer<SystemSerialPort> port = openPort();
    if (!port)
        return;
    QMetaObject::invokeMethod(
        port,
        [port] {
            if (!port || !port->isOpen())
                return;
            port->abandon();
            emit port->lost(QCoreApplication::translate(
                "SystemSerialPort", "the serial port went away (was the adapter unplugged?)"));
        },
        Qt::QueuedConnection);
}

struct SystemSerialPort::Private {
    bool open = false;
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

SystemSerialPort::~SystemSerialPort()
{
    if (d->open)
        abandon();
}

std::optional<SystemSerialPort::OpenFailure> SystemSerialPort::open(const QString& device,
                                                                   qint32 baudRate)
{
    QByteArray reason(ReasonSize, '\0');
    const int refusal =
        strobixSerialOpen(device.toUtf8().constData(), baudRate, reason.data(), ReasonSize);
    if (refusal == 0) {
        d->open = true;
        d->lastError.clear();
        openPort() = this;
        return std::nullopt;
    }
    OpenFailure failure;
    failure.refusal = refusal == 1 ? Refusal::NotFound
                                   : (refusal == 2 ? Refusal::Denied : Refusal::Other);
    failure.exists = refusal != 1;
    failure.writable = refusal == 2;
    failure.reason = explained(QString::fromUtf8(reason.constData()));
    d->lastError = failure.reason;
    return failure;
}

bool SystemSerialPort::isOpen() const
{
    return d->open;
}

bool SystemSerialPort::write(const QByteArray& bytes)
{
    if (!d->open)
        return false;
    if (lineFailed(&d->lastError))
        return false;
    strobixSerialWrite(reinterpret_cast<const unsigned char*>(bytes.constData()),
                       int(bytes.size()));
    return true;
}


SystemSerialPort::Queue SystemSerialPort::outputQueue()
{
    if (!d->open)
        return Queue::Unknown;
    if (lineFailed(&d->lastError))
        return Queue::Unknown;
    return strobixSerialPending() ? Queue::Pending : Queue::Empty;
}

void SystemSerialPort::close()
{
    if (!d->open)
        return;
    d->open = false;
    strobixSerialClose(0);
}

void SystemSerialPort::abandon()
{
    if (!d->open)
        return;
    d->open = false;
    strobixSerialClose(1);
}

QString SystemSerialPort::lastError() const
{
    return d->lastError;
}
