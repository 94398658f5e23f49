// SPDX-License-Identifier: MIT
#include "SystemPorts.h"

#include <QRegularExpression>

#include <algorithm>

#include <qt_windows.h>
// After windows.h, which they build on; initguid.h makes devguid.h define the
// class GUID here rather than expect it from a library.
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>

namespace SystemPorts {

namespace {

QString registryString(HKEY key, const wchar_t* name)
{
    wchar_t value[256] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size)
            != ERROR_SUCCESS
        || type != REG_SZ)
        return {};
    return QString::fromWCharArray(value);
}

QString deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA* device, DWORD property)
{
    wchar_t value[512] = {};
    // REG_MULTI_SZ properties (hardware IDs) come as their first string.
    if (!SetupDiGetDeviceRegistryPropertyW(devices, device, property, nullptr,
                                           reinterpret_cast<BYTE*>(value),
                                           sizeof(value) - 2 * sizeof(wchar_t), nullptr))
        return {};
    return QString::fromWCharArray(value);
}

// "USB\VID_0403&PID_6001\A1" and "FTDIBUS\VID_0403+PID_6001+A1\0000" alike.
void readUsbIdentity(const QString& hardwareId, SerialPortDescription& port)
{
    static const QRegularExpression identity(
        QStringLiteral("VID_([0-9A-Fa-f]{4}).PID_([0-9A-Fa-f]{4})"));
    const QRegularExpressionMatch match = identity.match(hardwareId);
    if (!match.hasMatch())
        return;
    port.vendorId = match.captured(1).toInt(nullptr, 16);
    port.productId = match.captured(2).toInt(nullptr, 16);
}

// The Ports device class: every COM port the system knows of, with the name
// Device Manager shows, its maker and, for adapters, the USB identity.
QList<SerialPortDescription> installedPorts()
{
    QList<SerialPortDescription> ports;
    const HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr,
                                                  DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return ports;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const HKEY key = SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV,
                                              KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        SerialPortDescription port;
        port.name = port.location = registryString(key, L"PortName");
        RegCloseKey(key);
        if (!port.name.startsWith(QLatin1String("COM")))
            continue; // printer ports share the class
        port.description = deviceProperty(devices, &device, SPDRP_FRIENDLYNAME);
        if (port.description.isEmpty())
            port.description = deviceProperty(devices, &device, SPDRP_DEVICEDESC);
        port.manufacturer = deviceProperty(devices, &device, SPDRP_MFG);
        readUsbIdentity(deviceProperty(devices, &device, SPDRP_HARDWAREID), port);
        ports << port;
    }
    SetupDiDestroyDeviceInfoList(devices);
    return ports;
}

// The serial device map lists the COM names the drivers have claimed, also
// for ports no installed device stands for (Wine's, some virtual ones).
QStringList mappedPortNames()
{
    QStringList names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256] = {};
        wchar_t value[256] = {};
        DWORD nameLength = 255;
        DWORD valueSize = sizeof(value) - sizeof(wchar_t);
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(value), &valueSize)
            != ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            names << QString::fromWCharArray(value);
    }
    RegCloseKey(key);
    return names;
}

} // namespace

QList<SerialPortDescription> list()
{
    QList<SerialPortDescription> ports = installedPorts();
    for (const QString& name : mappedPortNames()) {
        const bool known = std::any_of(ports.cbegin(), ports.cend(),
                                       [&name](const auto& port) { return port.name == name; });
        if (!known) {
            SerialPortDescription port;
            port.name = port.location = name;
            ports << port;
        }
    }
    return ports;
}

PortLocator locator()
{
    return PortLocator(list());
}

} // namespace SystemPorts
