// SPDX-License-Identifier: MIT
// On the desktop the files are on disk, where the program wrote them.
#include "LastingStorage.h"

namespace LastingStorage {

QString load()
{
    return {};
}

QString afterCommit(const QString&)
{
    return {};
}

void onKeepFailed(std::function<void(const QString&)>) {}

} // namespace LastingStorage
