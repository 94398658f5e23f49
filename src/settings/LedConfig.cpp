// SPDX-License-Identifier: MIT
#include "LedConfig.h"

#include "ProgramSettings.h"
#include "SaveFileCommit.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace LedConfig {

namespace {
// The port is one short line; anything longer is not a config file we wrote.
constexpr qint64 MaxRead = 256;
} // namespace

std::optional<int> parsePort(const QByteArray& content)
{
    int pos = 0;
    while (pos < content.size() && content[pos] == ' ')
        ++pos;
    int end = pos;
    while (end < content.size() && content[end] != ',' && content[end] != '\r'
           && content[end] != '\n')
        ++end;
    bool ok = false;
    const int port = content.mid(pos, end - pos).trimmed().toInt(&ok);
    if (!ok || !ProgramSettings::isValidPort(port))
        return std::nullopt;
    return port;
}

int readPort(const QString& path)
{
    // A pipe or device in its place would block start-up in open() or read();
    // only a regular file (links followed) is read.
    if (!QFileInfo(path).isFile())
        return ProgramSettings::DefaultPort;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ProgramSettings::DefaultPort;
    return parsePort(file.read(MaxRead)).value_or(ProgramSettings::DefaultPort);
}

QByteArray encodePort(int port)
{
    return QByteArray::number(port) + "\r\n";
}

WriteResult writePort(int port, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    const QByteArray bytes = encodePort(port);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (const QString error = SaveFileCommit::commit(file); !error.isEmpty())
        return {false, error};
    return {true, {}};
}

} // namespace LedConfig
