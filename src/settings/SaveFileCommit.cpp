// SPDX-License-Identifier: MIT
#include "SaveFileCommit.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace {
// The failure a test has put in place of the disk; empty: none.
QString& injectedFault()
{
    static QString reason;
    return reason;
}
} // namespace

SaveFileCommit::InjectedFault::InjectedFault(const QString& reason)
{
    injectedFault() = reason;
}

SaveFileCommit::InjectedFault::~InjectedFault()
{
    injectedFault().clear();
}

QString SaveFileCommit::commit(QSaveFile& file)
{
    if (const QString error = pushToDisk(file); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString SaveFileCommit::pushToDisk(QSaveFile& file)
{
    if (!injectedFault().isEmpty())
        return injectedFault();
    if (!file.flush())
        return file.errorString();
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return {};
}
