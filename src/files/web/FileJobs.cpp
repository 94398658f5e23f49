// SPDX-License-Identifier: MIT
// Without threads the jobs run at the event loop's next turns, in order; a
// job still waiting when the owner goes runs then, as a thread would finish it.
#include "FileJobs.h"

#include <QTimer>

#include <deque>

struct FileJobs::Private {
    std::deque<std::function<void()>> waiting;
    QTimer turn;
};

FileJobs::FileJobs()
    : d(std::make_unique<Private>())
{
    d->turn.setSingleShot(true);
    d->turn.setInterval(0);
    QObject::connect(&d->turn, &QTimer::timeout, [this] {
        if (d->waiting.empty())
            return;
        const std::function<void()> job = std::move(d->waiting.front());
        d->waiting.pop_front();
        job();
        if (!d->waiting.empty())
            d->turn.start();
    });
}

FileJobs::~FileJobs()
{
    waitForDone();
}

void FileJobs::start(std::function<void()> job)
{
    d->waiting.push_back(std::move(job));
    d->turn.start();
}

void FileJobs::waitForDone()
{
    while (!d->waiting.empty()) {
        const std::function<void()> job = std::move(d->waiting.front());
        d->waiting.pop_front();
        job();
    }
}
