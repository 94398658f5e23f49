// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Expected byte streams written the way a protocol analyser shows them.
namespace HexText {

// "2A 0D 0A" to bytes.
inline QByteArray bytes(const QString& text)
{
    return QByteArray::fromHex(QString(text).remove(QLatin1Char(' ')).toLatin1());
}

// The same record text `times` times, blank-separated.
inline QString repeat(const QString& record, int times)
{
    QStringList records;
    for (int i = 0; i < times; ++i)
        records << record;
    return records.join(QLatin1Char(' '));
}

} // namespace HexText
