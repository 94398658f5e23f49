// SPDX-License-Identifier: MIT
#include "PortResolver.h"

#include "SystemPorts.h"

#include <QCoreApplication>

PortResolver::PortResolver(Discovery discovery, Device device)
    : m_discovery(std::move(discovery))
    , m_device(std::move(device))
{
}

PortResolver PortResolver::system()
{
    return discovering(&SystemPorts::locator);
}

PortResolver PortResolver::discovering(Discovery discovery)
{
    return PortResolver(std::move(discovery), {});
}

PortResolver PortResolver::oneDevice(Device device)
{
    return PortResolver({}, std::move(device));
}

PortResolver PortResolver::oneDevice(const QString& device)
{
    return oneDevice([device] { return device; });
}

PortResolver::Reach PortResolver::reach(int port) const
{
    if (!m_discovery)
        return {m_device(), {}};
    const PortLocator locator = m_discovery();
    return {locator.device(port), locator.present()};
}

QString PortResolver::describe(int port) const
{
    if (m_discovery)
        return m_discovery().describe(port);
    const QString device = m_device();
    // Kept in the context its translations were made for.
    return device.isEmpty() ? QCoreApplication::translate("DownloadCommand", "none present")
                            : device;
}
