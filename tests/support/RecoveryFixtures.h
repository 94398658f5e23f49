// SPDX-License-Identifier: MIT
#pragma once

// Random sequences, dead programs' copies and small disks for the tests of
// recovery copies.

#include "RecoveryStore.h"
#include "SequenceFileWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace RecoveryFixtures {

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

// A copy as a program leaves it when it dies: written, its lock still there.
inline bool leaveCopyOfDeadProgram(const QString& folder, const RecoveryStore::Copy& copy)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(RecoveryStore(folder).write(copy).isEmpty() ? 0 : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A tmpfs mounted for the life of the object; error() says why it is not.
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
            m_error = QStringLiteral("mounting a tmpfs needs root: ")
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
    // Leaves room for `spare` bytes.
    void fillUp(qint64 spare)
    {
        QFile filler(m_path + QStringLiteral("/filler"));
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            while (filler.write(QByteArray(4096, 'f')) == 4096) {
            }
            filler.resize(filler.size() - spare);
        }
    }

private:
    QString m_path;
    QString m_error;
};

} // namespace RecoveryFixtures
