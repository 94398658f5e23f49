// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

class PseudoTerminal;

// Plays the device's receiving side: reads the master side of the
// pseudo-terminal until a whole download has arrived, stamping every byte with
// its arrival time on a monotonic clock, and checks the line settings the
// program applied when the first byte arrives.
class DownloadReceiver {
public:
    enum class End { Complete, HungUp, Stalled, TimedOut, Stopped };

    struct Options {
        int hangUpAfter = -1; // records after which the master is closed; -1: never
        std::chrono::milliseconds firstByteTimeout{0}; // 0: wait for ever
        std::chrono::milliseconds stallTimeout{2000};  // silence that ends a started stream
        std::chrono::milliseconds trailingWait{300};   // listen for stray bytes after the end
        const std::atomic<bool>* stop = nullptr;       // set from outside to give up
    };

    struct Reception {
        QByteArray bytes;
        std::vector<std::int64_t> arrivalNs; // one per byte, monotonic nanoseconds
        bool lineChecked = false;
        QStringList lineProblems;
        End end = End::Stopped;
    };

    DownloadReceiver(PseudoTerminal& terminal, Options options);

    Reception receive();

    // Asks for real-time scheduling of the calling thread where the system
    // allows it (root, or a real-time limit), so that arrival stamps are not
    // delayed by other busy programs. Returns whether it was granted.
    static bool raisePriority();

private:
    bool readAvailable(Reception& reception);
    void checkLine(Reception& reception);
    std::chrono::milliseconds waitLimit(const Reception& reception, bool complete) const;

    PseudoTerminal& m_terminal;
    Options m_options;
};
