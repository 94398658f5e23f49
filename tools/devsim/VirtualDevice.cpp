// SPDX-License-Identifier: MIT
#include "VirtualDevice.h"

#include <future>

VirtualDevice::VirtualDevice(DownloadReceiver::Options options)
    : m_options(options)
{
    m_options.stop = &m_stop;
}

VirtualDevice::~VirtualDevice()
{
    stop();
    if (m_thread.joinable())
        m_thread.join();
}

void VirtualDevice::start()
{
    std::promise<void> listening;
    std::future<void> ready = listening.get_future();
    m_thread = std::thread([this, &listening] {
        m_realTime = DownloadReceiver::raisePriority();
        DownloadReceiver receiver(m_terminal, m_options);
        listening.set_value();
        m_reception = receiver.receive();
    });
    // A download may start at once; a thread still starting up would stamp
    // the first bytes late.
    ready.wait();
}

DownloadReceiver::Reception VirtualDevice::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_reception;
}

bool VirtualDevice::hasRealTimeStamps()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_realTime;
}
