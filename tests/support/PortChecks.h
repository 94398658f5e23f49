// SPDX-License-Identifier: MIT
#pragma once

#include <QSerialPort>
#include <QString>

// Nobody holds the port: a second opener gets it (the program's lock file and
// exclusive mode would refuse it otherwise).
inline bool portIsFree(const QString& path)
{
    QSerialPort port(path);
    if (!port.open(QIODevice::WriteOnly))
        return false;
    port.close();
    return true;
}
