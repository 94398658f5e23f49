// SPDX-License-Identifier: MIT
#pragma once

#include "SequenceFile.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Writes sequence data files: every value on a line of its own ending in CR LF,
// the event values between double quotes, all others bare.
//
// Saving goes through a temporary file that replaces the target only once every
// byte is on disk, so a failed save (full disk, read-only folder) leaves any
// existing file exactly as it was and is always reported.
class SequenceFileWriter {
public:
    using Progress = std::function<void(int eventsWritten)>;

    struct Result {
        bool ok = false;
        QString error; // the system's reason when !ok
    };

    // The line of the value at a 0-based position, CR LF included.
    static QByteArray encodeLine(int position, int value);
    static QByteArray encode(const SequenceFile& file);

    // Whether a save may put a file there: nothing is there yet, or a regular
    // file is, directly or through symbolic links (the links are kept).
    static bool canSaveTo(const QString& path);

    // Reports progress after each of the 50 event lines (1..50). Refuses a
    // target that canSaveTo() turns down.
    static Result save(const QString& path, const SequenceFile& file,
                       const Progress& progress = {});
};
