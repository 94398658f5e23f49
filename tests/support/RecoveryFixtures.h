// SPDX-License-Identifier: MIT
#pragma once

// Random sequences and small file systems for the tests of recovery copies.

#include "RecoveryStore.h"
#include "SequenceFileWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace RecoveryFixtures {

// Every value in the range a data file allows.
inline SequenceFile randomFile(std::mt19937_64& random)
{
    SequenceFile file;
    for (int& value : file.events)
        value = int(random() % 16);
    for (int& color : file.ledColors)
        color = int(random() % ColorTable::Count);
    for (int& mode : file.servoModes)
        mode = int(random() % ServoControl::Count);
    file.lastEvent = int(random() % SequenceFile::EventCount);
    file.picSpeed = ProgramSettings::MinSpeed + int(random() % 50);
    file.pcSpeed = ProgramSettings::MinSpeed + int(random() % 50);
    return file;
}

inline RecoveryStore::Copy randomCopy(std::mt19937_64& random)
{
    const int number = int(random() % 1000);
    return {SequenceFileWriter::encode(randomFile(random)),
            number % 3 == 0 ? QString() : QStringLiteral("/home/pilot/show%1.dat").arg(number),
            QStringLiteral("STROBIX - show%1.dat").arg(number)};
}

inline bool sameCopy(const RecoveryStore::Copy& a, const RecoveryStore::Copy& b)
{
    return a.data == b.data && a.rememberedFile == b.rememberedFile && a.caption == b.caption;
}

// A copy found on disk, read the way the next start reads it.
inline RecoveryStore::Reading readBack(const RecoveryStore& store, const QString& id)
{
    return store.read({id, {}, {}});
}

// A copy as a program leaves it when it dies: written, and its lock still there.
inline QString leaveCopyOfDeadProgram(const QString& folder, const RecoveryStore::Copy& copy)
{
    const pid_t child = ::fork();
    if (child == 0) {
        RecoveryStore store(folder);
        // Dies without unlocking or removing anything.
        ::_exit(store.write(copy).isEmpty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    const QStringList locks = QDir(folder).entryList({QStringLiteral("*.lock")});
    for (const QString& lock : locks)
        if (lock.contains(QString::number(child)))
            return QFileInfo(lock).completeBaseName();
    return {};
}

// A tmpfs mounted for the life of the object; empty error() when it is there.
class SmallDisk {
public:
    SmallDisk(const QString& path, const QString& options)
        : m_path(path)
    {
        QDir().mkpath(path);
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), options,
                     QStringLiteral("tmpfs"), path});
        if (!mount.waitForFinished() || mount.exitCode() != 0)
            m_error = QStringLiteral("mounting a tmpfs needs root and a mount namespace: ")
                      + QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~SmallDisk()
    {
        if (m_error.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_path});
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    QString error() const { return m_error; }
    // Leaves room for `spare` bytes at most.
    void fillUp(qint64 spare = 0)
    {
        QFile filler(m_path + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        while (filler.write(QByteArray(4096, 'f')) == 4096) {
        }
        filler.resize(filler.size() - spare);
    }

private:
    QString m_path;
    QString m_error;
};

} // namespace RecoveryFixtures
