// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <limits>

class QSaveFile;

// Finishes a QSaveFile so that a failure is never reported as success.
//
// QSaveFile::commit() ignores a failing flush of its buffer and a failing sync
// (Qt 6.4): on a full disk it would rename an empty temporary file over the
// old one and report success. So the bytes are pushed to the disk and checked
// first; on any failure the temporary file is discarded and the target keeps
// its old bytes.
class SaveFileCommit {
public:
    // Returns the reason of a failure, or an empty string when the target now
    // holds everything written to `file`.
    static QString commit(QSaveFile& file);
    // Writes every byte or returns the reason it could not.
    static QString write(QSaveFile& file, const QByteArray& bytes);

    // While one lives, the disk takes `capacity` bytes of writes and then fails
    // with `reason`, and pushing the bytes to the disk fails with it too, so
    // tests can stand in for a disk that fills up or fails to sync.
    class InjectedFault {
    public:
        explicit InjectedFault(const QString& reason,
                               qint64 capacity = std::numeric_limits<qint64>::max());
        ~InjectedFault();
        InjectedFault(const InjectedFault&) = delete;
        InjectedFault& operator=(const InjectedFault&) = delete;
    };

private:
    static QString pushToDisk(QSaveFile& file);
};
