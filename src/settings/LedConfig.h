// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// LED.cfg keeps the serial port number between runs: one line holding the
// number, ending in CR LF, in the working directory.
namespace LedConfig {

inline QString fileName()
{
    return QStringLiteral("LED.cfg");
}

// Reads the first field of the file's text: leading blanks skipped, the field
// ends at a comma, a line break or the end. Returns nothing unless it is a
// port number 1..8.
std::optional<int> parsePort(const QByteArray& content);

// The port at start-up: the file's port, or port 1 when the file is missing,
// unreadable, not a regular file or holds no valid port (a first run has no
// file). Never blocks: a pipe or device of that name is not opened.
int readPort(const QString& path = fileName());

QByteArray encodePort(int port);

struct WriteResult {
    bool ok = false;
    QString error; // the system's reason when !ok
};

// Replaces the file atomically, so a failed write never leaves half a file.
WriteResult writePort(int port, const QString& path = fileName());

} // namespace LedConfig
