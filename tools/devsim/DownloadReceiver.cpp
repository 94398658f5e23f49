// SPDX-License-Identifier: MIT
#include "DownloadReceiver.h"

#include "DownloadStream.h"
#include "LineSettingsCheck.h"
#include "PseudoTerminal.h"

#include <cerrno>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono;

namespace {

// Short poll slices, so a stop request is noticed quickly.
constexpr milliseconds Slice{20};

std::int64_t nowNs()
{
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

int bytesFor(int records)
{
    return DownloadStream::RecordSize * (records + 1);
}

} // namespace

bool DownloadReceiver::raisePriority()
{
    sched_param parameters{};
    parameters.sched_priority = sched_get_priority_min(SCHED_FIFO);
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameters) == 0;
}

DownloadReceiver::DownloadReceiver(PseudoTerminal& terminal, Options options)
    : m_terminal(terminal)
    , m_options(options)
{
}

void DownloadReceiver::checkLine(Reception& reception)
{
    termios settings{};
    reception.lineChecked = true;
    if (::tcgetattr(m_terminal.slave(), &settings) != 0) {
        reception.lineProblems << QStringLiteral("cannot read the line settings");
        return;
    }
    reception.lineProblems = LineSettingsCheck::problems(settings);
}

bool DownloadReceiver::readAvailable(Reception& reception)
{
    char buffer[256];
    const ssize_t count = ::read(m_terminal.master(), buffer, sizeof buffer);
    if (count <= 0)
        return count < 0 && (errno == EAGAIN || errno == EINTR);
    const std::int64_t stamp = nowNs();
    if (!reception.lineChecked)
        checkLine(reception);
    reception.bytes.append(buffer, static_cast<int>(count));
    reception.arrivalNs.insert(reception.arrivalNs.end(), static_cast<size_t>(count), stamp);
    return true;
}

milliseconds DownloadReceiver::waitLimit(const Reception& reception, bool complete) const
{
    if (complete)
        return m_options.trailingWait;
    if (reception.bytes.isEmpty())
        return m_options.firstByteTimeout;
    return m_options.stallTimeout;
}

DownloadReceiver::Reception DownloadReceiver::receive()
{
    Reception reception;
    auto lastEvent = steady_clock::now();
    for (;;) {
        if (m_options.stop && m_options.stop->load()) {
            reception.end = End::Stopped;
            return reception;
        }
        if (m_options.hangUpAfter >= 0
            && reception.bytes.size() >= bytesFor(m_options.hangUpAfter)) {
            m_terminal.closeMaster();
            reception.end = End::HungUp;
            return reception;
        }
        const bool complete = reception.bytes.size() >= DownloadStream::ByteCount;
        const milliseconds limit = waitLimit(reception, complete);
        if (limit.count() > 0 && steady_clock::now() - lastEvent >= limit) {
            reception.end = complete                    ? End::Complete
                            : reception.bytes.isEmpty() ? End::TimedOut
                                                        : End::Stalled;
            return reception;
        }
        pollfd watch{m_terminal.master(), POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(Slice.count()));
        if (ready > 0 && (watch.revents & POLLIN)) {
            if (!readAvailable(reception)) {
                reception.end = End::Stalled;
                return reception;
            }
            lastEvent = steady_clock::now();
        }
    }
}
