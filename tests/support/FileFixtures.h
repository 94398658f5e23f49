// SPDX-License-Identifier: MIT
#pragma once

// Sample files, disk helpers and sequence builders shared by the tests of data
// files (core and GUI alike; needs only the core library).

#include "SaveFileCommit.h"
#include "SequenceFile.h"
#include "SequenceFileWriter.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace FileFixtures {

// A file of tests/core/data (the golden files).
inline QByteArray dataFile(const char* name)
{
    QFile file(QStringLiteral(STROBIX_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return file.readAll();
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file the test needs; a failure here is a broken test set-up.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Three lit cells: events 0..2 hold 1, 2 and 5; everything else as new.
// Its bytes are worked-example.dat.
inline SequenceFile workedExample()
{
    SequenceFile file;
    file.events[0] = 1;
    file.events[1] = 2;
    file.events[2] = 5;
    return file;
}

// Every value away from its start-up default, the limits of the ranges
// included. Its bytes are all-settings.dat.
inline SequenceFile richFile()
{
    SequenceFile file;
    for (int event = 0; event < SequenceFile::EventCount; ++event)
        file.events[event] = (event * 7) % 16;
    file.ledColors = {1, 2, 3, 4};
    file.spareColors = {-5, 300, -32768, 32767};
    file.lastEvent = 12;
    file.servoModes = {0, 3, 14, 15};
    file.picSpeed = 100;
    file.pcSpeed = 1;
    return file;
}

// What a progress report over the events must give: 1, 2, ... 50.
inline QList<int> everyEventCount()
{
    QList<int> counts;
    for (int events = 1; events <= SequenceFile::EventCount; ++events)
        counts << events;
    return counts;
}

// A disk that fills up after `capacity` bytes of a save.
class FullDisk : public SaveFileCommit::InjectedFault {
public:
    explicit FullDisk(qint64 capacity = 0)
        : InjectedFault(reason(), capacity)
    {
    }

    static QString reason() { return QStringLiteral("No space left on device"); }
};

} // namespace FileFixtures
