// SPDX-License-Identifier: MIT
#include "RecoveryStore.h"

#include "SaveFileCommit.h"
#include "SequenceFileReader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// A sidecar is a few hundred bytes; anything much bigger is not one.
constexpr qint64 MaxSidecarBytes = 64 * 1024;

const QString DataSuffix = QStringLiteral(".dat");
const QString SidecarSuffix = QStringLiteral(".json");
const QString LockSuffix = QStringLiteral(".lock");

QString hashOf(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

// Owners are told apart by process, start time and a random part; set-aside
// copies never match.
bool isCopyId(const QString& id)
{
    static const QRegularExpression pattern(QStringLiteral("^copy-\\d+-\\d+-[0-9a-f]+$"));
    return pattern.match(id).hasMatch();
}

std::shared_ptr<QLockFile> lockFor(const QString& path)
{
    auto lock = std::make_shared<QLockFile>(path);
    // Only a dead owner makes a lock stale, never its age: a program may run for days.
    lock->setStaleLockTime(0);
    return lock;
}

QJsonObject stateFor(const RecoveryStore::Copy& copy)
{
    return {{QStringLiteral("sha256"), hashOf(copy.data)},
            {QStringLiteral("rememberedFile"), copy.rememberedFile},
            {QStringLiteral("caption"), copy.caption}};
}

QByteArray readSmall(const QString& path, qint64 limit, QString* problem)
{
    // A copy is two files: say which one is at fault.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem =
            QFileInfo::exists(path)
                ? RecoveryStore::tr("Its file %1 cannot be read: %2").arg(path, file.errorString())
                : RecoveryStore::tr("Its file %1 is missing.").arg(path);
        return {};
    }
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        *problem = RecoveryStore::tr("Its file %1 is far too big to be part of a recovery copy.")
                       .arg(path);
    return bytes;
}

// Why nothing can be written in a folder, in the system's words where it has
// them: learnt by writing a byte in the nearest folder that exists.
QString whyNotWritable(const QString& folder)
{
    QFileInfo nearest(folder);
    while (!nearest.exists() && !nearest.isRoot())
        nearest.setFile(nearest.absolutePath());
    if (!nearest.isDir())
        return RecoveryStore::tr("%1 is a file, not a folder.").arg(nearest.filePath());
    QFile probe(nearest.filePath() + QStringLiteral("/.strobix-write-test"));
    QString reason = RecoveryStore::tr("the system gave no reason.");
    if (!probe.open(QIODevice::WriteOnly) || probe.write("x", 1) != 1 || !probe.flush())
        reason = probe.errorString();
    probe.remove();
    return reason;
}

} // namespace

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(const QString& folder)
    : m_folder(folder)
    , m_id(QStringLiteral("copy-%1-%2-%3")
               .arg(QCoreApplication::applicationPid())
               .arg(QDateTime::currentMSecsSinceEpoch())
               .arg(QRandomGenerator::global()->generate(), 0, 16))
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::dataPath(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + DataSuffix;
}

QString RecoveryStore::sidecarPath(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + SidecarSuffix;
}

QString RecoveryStore::lockPath(const QString& id) const
{
    return m_folder + QLatin1Char('/') + id + LockSuffix;
}

QString RecoveryStore::claim()
{
    if (m_lock)
        return {};
    if (!QDir().mkpath(m_folder))
        return tr("The folder %1 cannot be made: %2").arg(m_folder, whyNotWritable(m_folder));
    auto lock = lockFor(lockPath(m_id));
    if (!lock->tryLock(0))
        return tr("The file %1 cannot be made: %2").arg(lockPath(m_id), whyNotWritable(m_folder));
    m_lock = std::move(lock);
    return {};
}

QString RecoveryStore::commitFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    return SaveFileCommit::commit(file);
}

QByteArray RecoveryStore::sidecarFor(const Copy& copy) const
{
    QJsonArray states{stateFor(copy)};
    if (!m_lastState.isEmpty())
        states.append(QJsonDocument::fromJson(m_lastState).object());
    const QJsonObject sidecar{{QStringLiteral("format"), FormatVersion},
                              {QStringLiteral("states"), states}};
    return QJsonDocument(sidecar).toJson(QJsonDocument::Indented);
}

QString RecoveryStore::write(const Copy& copy)
{
    if (const QString error = claim(); !error.isEmpty())
        return error;
    if (const QString error = commitFile(sidecarPath(m_id), sidecarFor(copy)); !error.isEmpty())
        return error;
    if (const QString error = commitFile(dataPath(m_id), copy.data); !error.isEmpty())
        return error;
    m_lastState = QJsonDocument(stateFor(copy)).toJson(QJsonDocument::Compact);
    return {};
}

void RecoveryStore::removeFiles(const QString& id) const
{
    // The data first: a sidecar alone is a copy never finished, cleared quietly.
    QFile::remove(dataPath(id));
    QFile::remove(sidecarPath(id));
}

void RecoveryStore::removeOwn()
{
    removeFiles(m_id);
    m_lastState.clear();
}

void RecoveryStore::release()
{
    removeOwn();
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

std::vector<RecoveryStore::LeftCopy> RecoveryStore::takeLeftCopies()
{
    const QDir dir(m_folder);
    QStringList ids;
    // A lock alone is left by a program that died before its first copy, or
    // after its work was saved: it goes with the copies never finished.
    for (const QString& name :
         dir.entryList({QLatin1Char('*') + DataSuffix, QLatin1Char('*') + SidecarSuffix,
                        QLatin1Char('*') + LockSuffix},
                       QDir::Files)) {
        const QString id = QFileInfo(name).completeBaseName();
        if (isCopyId(id) && id != m_id && !ids.contains(id))
            ids << id;
    }
    std::vector<LeftCopy> copies;
    for (const QString& id : std::as_const(ids)) {
        auto lock = lockFor(lockPath(id));
        if (!lock->tryLock(0))
            continue; // its owner still runs, or the folder is not ours to change
        if (!QFileInfo::exists(dataPath(id))) {
            removeFiles(id);
            lock->unlock();
            continue;
        }
        copies.push_back({id, QFileInfo(dataPath(id)).lastModified(), std::move(lock)});
    }
    std::sort(copies.begin(), copies.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.written > b.written; });
    return copies;
}

RecoveryStore::Reading RecoveryStore::read(const LeftCopy& left) const
{
    Reading reading;
    QString problem;
    const QByteArray data = readSmall(dataPath(left.id), SequenceFileReader::MaxBytes, &problem);
    const QByteArray sidecarBytes = problem.isEmpty()
                                        ? readSmall(sidecarPath(left.id), MaxSidecarBytes, &problem)
                                        : QByteArray();
    if (!problem.isEmpty()) {
        reading.problem = problem;
        return reading;
    }
    const QJsonObject sidecar = QJsonDocument::fromJson(sidecarBytes).object();
    if (sidecar.value(QStringLiteral("format")).toInt() > FormatVersion) {
        reading.problem = tr("It was written by a newer version of Strobix.");
        return reading;
    }
    const QString hash = hashOf(data);
    for (const QJsonValue& value : sidecar.value(QStringLiteral("states")).toArray()) {
        const QJsonObject state = value.toObject();
        if (state.value(QStringLiteral("sha256")).toString() != hash)
            continue;
        SequenceFileReader::Result parsed = SequenceFileReader::parse(data);
        if (!parsed.ok()) {
            reading.problem = parsed.problem;
            return reading;
        }
        reading.file = parsed.file;
        reading.copy = Copy{data, state.value(QStringLiteral("rememberedFile")).toString(),
                            state.value(QStringLiteral("caption")).toString()};
        return reading;
    }
    reading.problem = tr("Its two files do not belong together (damaged or cut short).");
    return reading;
}

void RecoveryStore::adopt(LeftCopy left)
{
    const Reading reading = read(left);
    release();
    m_id = left.id;
    m_lock = std::move(left.lock);
    // The next write names it as the state before, in case it is cut off.
    if (reading.ok())
        m_lastState = QJsonDocument(stateFor(*reading.copy)).toJson(QJsonDocument::Compact);
}

void RecoveryStore::discard(LeftCopy left)
{
    removeFiles(left.id);
    left.lock->unlock();
}

void RecoveryStore::keep(LeftCopy left)
{
    left.lock->unlock();
}

QString RecoveryStore::setAside(LeftCopy left)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base =
        m_folder + QLatin1Char('/') + left.id + QStringLiteral("-unreadable-") + stamp;
    QFile::rename(sidecarPath(left.id), base + SidecarSuffix);
    const QString aside = base + DataSuffix;
    if (!QFile::rename(dataPath(left.id), aside))
        QFile::remove(dataPath(left.id)); // it could not stay where it is offered on every start
    left.lock->unlock();
    return aside;
}
