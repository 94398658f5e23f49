// SPDX-License-Identifier: MIT
#include "TerminalInput.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Signals reach the event loop through a pipe: the handler only writes a byte.
int g_stopPipe[2] = {-1, -1};

void requestStop(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_stopPipe[1], &byte, 1);
}

bool watchStopSignals()
{
    if (g_stopPipe[0] < 0 && ::pipe(g_stopPipe) != 0)
        return false;
    for (int fd : g_stopPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(g_stopPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    return true;
}

} // namespace

struct TerminalInput::Private {
    std::unique_ptr<QSocketNotifier> stopRequests;
    std::unique_ptr<QSocketNotifier> input;
    QByteArray line;
};

TerminalInput::TerminalInput(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
}

TerminalInput::~TerminalInput() = default;

void TerminalInput::watchStopRequests()
{
    if (!watchStopSignals())
        return;
    d->stopRequests = std::make_unique<QSocketNotifier>(g_stopPipe[0], QSocketNotifier::Read);
    connect(d->stopRequests.get(), &QSocketNotifier::activated, this, [this] {
        char drained[16];
        [[maybe_unused]] const ssize_t got = ::read(g_stopPipe[0], drained, sizeof drained);
        emit stopRequested();
    });
}

void TerminalInput::readLine()
{
    d->line.clear();
    d->input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(d->input.get(), &QSocketNotifier::activated, this, [this] {
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            return;
        if (got > 0) {
            d->line.append(buffer, got);
            if (!d->line.contains('\n'))
                return;
        }
        // Deleted later: this runs inside the notifier's own signal.
        d->input.release()->deleteLater();
        // Input that ends without a line end still gives what there was.
        const qsizetype end = d->line.indexOf('\n');
        emit lineRead(end < 0 ? d->line : d->line.left(end), end >= 0);
    });
}

void TerminalInput::stopReading()
{
    d->input.reset();
}
