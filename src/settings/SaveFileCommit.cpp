// SPDX-License-Identifier: MIT
#include "SaveFileCommit.h"

#include "LastingStorage.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace {
// The failing disk a test has put in place; an empty reason: none.
struct FailingDisk {
    QString reason;
    qint64 capacity = 0;
    qint64 written = 0;
};

FailingDisk& injectedFault()
{
    static FailingDisk disk;
    return disk;
}
} // namespace

SaveFileCommit::InjectedFault::InjectedFault(const QString& reason, qint64 capacity)
{
    injectedFault() = {reason, capacity, 0};
}

SaveFileCommit::InjectedFault::~InjectedFault()
{
    injectedFault() = {};
}

QString SaveFileCommit::write(QSaveFile& file, const QByteArray& bytes)
{
    FailingDisk& disk = injectedFault();
    if (!disk.reason.isEmpty()) {
        if (disk.written + bytes.size() > disk.capacity)
            return disk.reason;
        disk.written += bytes.size();
    }
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}

QString SaveFileCommit::commit(QSaveFile& file)
{
    if (const QString error = pushToDisk(file); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return LastingStorage::afterCommit(file.fileName());
}

QString SaveFileCommit::pushToDisk(QSaveFile& file)
{
    if (!injectedFault().reason.isEmpty())
        return injectedFault().reason;
    if (!file.flush())
        return file.errorString();
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return {};
}
