// SPDX-License-Identifier: MIT
#pragma once

#include "DownloadReceiver.h"
#include "PseudoTerminal.h"

#include <atomic>
#include <thread>

// The virtual device for tests and benchmarks in one process: receives on its
// own thread, so its arrival stamps do not wait for the program's event loop.
class VirtualDevice {
public:
    explicit VirtualDevice(DownloadReceiver::Options options = {});
    ~VirtualDevice();
    VirtualDevice(const VirtualDevice&) = delete;
    VirtualDevice& operator=(const VirtualDevice&) = delete;

    bool isValid() const { return m_terminal.isValid(); }
    QString path() const { return m_terminal.slavePath(); }

    void start();
    // Asks the receiver to give up (for downloads that never come).
    void stop() { m_stop = true; }
    // Waits until the receiver has ended and returns what it got.
    DownloadReceiver::Reception finish();
    // After finish(): whether the receiving thread ran at real-time priority.
    bool hasRealTimeStamps();

private:
    PseudoTerminal m_terminal;
    DownloadReceiver::Options m_options;
    std::atomic<bool> m_stop{false};
    DownloadReceiver::Reception m_reception;
    bool m_realTime = false;
    std::thread m_thread;
};
