// SPDX-License-Identifier: MIT
#pragma once

#include "SequenceFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QLockFile;

// Recovery copies of unsaved work, one per running program, in a folder of the
// user's application data. A copy is two files named after its owner:
//
//   <id>.dat   the sequence exactly as Save would write it
//   <id>.json  what a data file cannot hold (the remembered file, the caption)
//              for this state and the one before, each with the hash of its
//              data bytes
//   <id>.lock  held while the owner runs
//
// The sidecar is committed before the data, so whichever of the two a crash
// cuts off, the data file always matches one of the states the sidecar names.
class RecoveryStore {
    Q_DECLARE_TR_FUNCTIONS(RecoveryStore)

public:
    static constexpr int FormatVersion = 1;

    struct Copy {
        QByteArray data; // the data file's bytes
        QString rememberedFile;
        QString caption;
    };

    // A copy left by a program that no longer runs. While one is held, no
    // other program offers it.
    struct LeftCopy {
        QString id;
        QDateTime written;
        std::shared_ptr<QLockFile> lock;
    };

    struct Reading {
        std::optional<Copy> copy;
        std::optional<SequenceFile> file;
        QString problem; // when unreadable

        bool ok() const { return copy.has_value(); }
    };

    // <application data>/recovery.
    static QString defaultFolder();

    explicit RecoveryStore(const QString& folder = defaultFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    QString folder() const { return m_folder; }
    QString dataPath(const QString& id) const;
    QString sidecarPath(const QString& id) const;
    QString ownId() const { return m_id; }

    // This program's copy. The folder and lock are made by the first write.
    // Returns the reason of a failure, or an empty string.
    QString write(const Copy& copy);
    // The files go; the lock stays while the program runs.
    void removeOwn();
    // The files and the lock go: the program ends normally.
    void release();

    // Copies of programs that no longer run, newest first, each now held by
    // this program until adopted, discarded, kept or set aside. Copies begun
    // but never finished (no data yet) and the locks such programs left
    // alone are removed on the way.
    std::vector<LeftCopy> takeLeftCopies();
    Reading read(const LeftCopy& left) const;
    // Becomes this program's copy: it stays on disk until the next write.
    void adopt(LeftCopy left);
    void discard(LeftCopy left);
    // Left for a later start.
    void keep(LeftCopy left);
    // Renamed out of the way; returns the data file's new path.
    QString setAside(LeftCopy left);

private:
    QString claim();
    QString commitFile(const QString& path, const QByteArray& bytes);
    QByteArray sidecarFor(const Copy& copy) const;
    void removeFiles(const QString& id) const;
    QString lockPath(const QString& id) const;

    QString m_folder;
    QString m_id;
    std::shared_ptr<QLockFile> m_lock;
    // The state last committed: the sidecar names it beside the new one.
    QByteArray m_lastState;
};
