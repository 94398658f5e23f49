// SPDX-License-Identifier: MIT
#include "FileJobs.h"

#include <QThreadPool>

struct FileJobs::Private {
    QThreadPool pool;
};

FileJobs::FileJobs()
    : d(std::make_unique<Private>())
{
    d->pool.setMaxThreadCount(1); // one at a time, in the order asked
}

FileJobs::~FileJobs()
{
    waitForDone();
}

void FileJobs::start(std::function<void()> job)
{
    d->pool.start(std::move(job));
}

void FileJobs::waitForDone()
{
    d->pool.waitForDone();
}
