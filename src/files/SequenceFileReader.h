// SPDX-License-Identifier: MIT
#pragma once

#include "SequenceFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

// Reads sequence data files leniently (blanks before a field, quotes or none,
// several values on a line separated by commas, anything after the 65th value
// ignored) but checks every value before handing any of it out: a file is
// either taken whole or rejected with the first problem, so a bad file never
// leaves a half-loaded sequence behind.
class SequenceFileReader {
    Q_DECLARE_TR_FUNCTIONS(SequenceFileReader)

public:
    // A file the program writes is about 300 bytes; the 65 values must lie
    // within this many, so a huge or binary file is rejected without reading
    // it all (what follows the values is never read, whatever its size).
    static constexpr qint64 MaxBytes = 64 * 1024;

    using Progress = std::function<void(int eventsRead)>;

    struct Result {
        std::optional<SequenceFile> file;
        QString problem; // when rejected: for a bad value, its line and what was expected

        bool ok() const { return file.has_value(); }
    };

    // complete: bytes is the whole file; otherwise only its beginning, and a
    // value running into the end of bytes may have been cut off.
    // Reports progress after each of the 50 event values (1..50).
    static Result parse(const QByteArray& bytes, bool complete = true,
                        const Progress& progress = {});

    // Rejects anything but a regular file (after following symbolic links)
    // before opening it: a pipe or device would block the caller.
    static Result read(const QString& path, const Progress& progress = {});
    static QString notRegularFileProblem();
    // What the value at a 0-based position is and its range, for messages.
    static QString describeValue(int position);
    static QString valuesBeyondLimitProblem();
};
