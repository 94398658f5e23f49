// SPDX-License-Identifier: MIT
#include "SystemSerialPort.h"

#include <qt_windows.h>

// The port is opened for reading too, which the line settings calls need
// (Wine refuses them otherwise), and for plain (not overlapped) writes: a record is three
// bytes, which the driver takes into its queue at once, and the download
// paces itself between records. A write timeout keeps a stuck adapter from
// holding the program.
struct SystemSerialPort::Private {
    HANDLE handle = INVALID_HANDLE_VALUE;
    DCB previous{};
    QString lastError;

    bool isOpen() const { return handle != INVALID_HANDLE_VALUE; }
    void remember(DWORD code) { lastError = qt_error_string(int(code)); }
    void closeHandle()
    {
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};

namespace {

constexpr DWORD WriteTimeoutMs = 2000;

// COM1..COM9 open by their plain names, COM10 and up only through the device
// namespace; it serves them all.
QString devicePath(const QString& device)
{
    if (device.startsWith(QLatin1String("\\\\")))
        return device;
    return QStringLiteral("\\\\.\\") + device;
}

SystemSerialPort::Refusal refusalOf(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return SystemSerialPort::Refusal::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return SystemSerialPort::Refusal::Denied;
    default:
        return SystemSerialPort::Refusal::Other;
    }
}

bool applyLine(HANDLE handle, DCB line, qint32 baudRate)
{
    line.DCBlength = sizeof(DCB);
    line.BaudRate = DWORD(baudRate);
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = FALSE;
    line.fOutxDsrFlow = FALSE;
    line.fDsrSensitivity = FALSE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fNull = FALSE;
    line.fAbortOnError = FALSE;
    // Raised as on any other system when a port opens; the cable may draw its power from them.
    line.fDtrControl = DTR_CONTROL_ENABLE;
    line.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(handle, &line))
        return false;
    COMMTIMEOUTS timeouts{};
    timeouts.WriteTotalTimeoutConstant = WriteTimeoutMs;
    return SetCommTimeouts(handle, &timeouts);
}

} // namespace

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
    abandon();
}

std::optional<SystemSerialPort::OpenFailure> SystemSerialPort::open(const QString& device,
                                                                    qint32 baudRate)
{
    abandon();
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(devicePath(device).utf16()),
                                      GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        const Refusal refusal = refusalOf(code);
        return OpenFailure{refusal, refusal != Refusal::NotFound, true, qt_error_string(int(code))};
    }
    d->handle = handle;
    d->previous.DCBlength = sizeof(DCB);
    if (!GetCommState(handle, &d->previous) || !applyLine(handle, d->previous, baudRate)) {
        // Not a serial port, or one that cannot run at this speed.
        const QString reason = qt_error_string(int(GetLastError()));
        d->closeHandle();
        return OpenFailure{Refusal::Other, true, true, reason};
    }
    PurgeComm(handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
    return std::nullopt;
}

bool SystemSerialPort::isOpen() const
{
    return d->isOpen();
}

bool SystemSerialPort::write(const QByteArray& bytes)
{
    DWORD written = 0;
    if (WriteFile(d->handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr)
        && written == DWORD(bytes.size()))
        return true;
    const DWORD code = GetLastError();
    if (written != DWORD(bytes.size()) && code == ERROR_SUCCESS)
        d->lastError = tr("The serial port took only %1 of %2 bytes in %3 seconds.")
                           .arg(written)
                           .arg(bytes.size())
                           .arg(WriteTimeoutMs / 1000);
    else
        d->remember(code);
    abandon();
    emit lost(d->lastError);
    return false;
}

SystemSerialPort::Queue SystemSerialPort::outputQueue()
{
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(d->handle, &errors, &status)) {
        // An unplugged adapter fails here; its last bytes may not have left.
        d->remember(GetLastError());
        return Queue::Unknown;
    }
    return status.cbOutQue > 0 ? Queue::Pending : Queue::Empty;
}

void SystemSerialPort::close()
{
    if (!d->isOpen())
        return;
    SetCommState(d->handle, &d->previous);
    d->closeHandle();
}

void SystemSerialPort::abandon()
{
    if (!d->isOpen())
        return;
    PurgeComm(d->handle, PURGE_TXABORT | PURGE_TXCLEAR);
    d->closeHandle();
}

QString SystemSerialPort::lastError() const
{
    return d->lastError;
}
