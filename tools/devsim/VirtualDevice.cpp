#include "VirtualDevice.h"

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
    m_thread = std::thread([this] {
        m_realTime = DownloadReceiver::raisePriority();
        DownloadReceiver receiver(m_terminal, m_options);
        m_reception = receiver.receive();
    });
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
