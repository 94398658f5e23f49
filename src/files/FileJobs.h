// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

// File work done in the order asked, away from the window's event handling:
// on the desktop one worker thread; in the browser, which has no threads
// here, a later turn of the event loop. One header, one implementation each
// for desktop/ and web/, chosen by the build.
class FileJobs {
public:
    FileJobs();
    ~FileJobs(); // waits for what was started
    FileJobs(const FileJobs&) = delete;
    FileJobs& operator=(const FileJobs&) = delete;

    void start(std::function<void()> job);
    void waitForDone();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
