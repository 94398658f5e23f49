// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

// Where the program's files last, and what follows a file written in full.
// On the desktop they are on disk and nothing more is needed. In the browser
// the program's folder (LED.cfg, the recovery copies) lives in the site's
// storage, loaded before anything reads it and kept as it changes; and a file
// written into the hand-off folder goes to the user (the browser's save
// picker, or a download), since the page's own file system ends with the tab.
// One header, one implementation each for desktop/ and web/, chosen by the build.
namespace LastingStorage {

// Loads the program's folder and makes it the working folder, once the
// application object exists and before anything reads the folder. An error
// text when the browser refused its storage or another tab keeps the folder
// (the program then runs with a folder that ends with the tab); empty when
// all is well.
QString load();

// After a file has been committed: hands it to the user when it is in the
// hand-off folder, and keeps the program's folder. An error text when the
// file did not reach the user (the caller reports the save as failed).
QString afterCommit(const QString& path);

// Told once, with the browser's reason, when keeping the program's folder
// fails later on (storage full or refused): what is not kept would be lost
// with the tab, so the user must hear of it.
void onKeepFailed(std::function<void(const QString& reason)> handler);

} // namespace LastingStorage
