// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// Texts that name the program.
namespace AppInfo {

// Title of message boxes that have none of their own.
inline QString applicationTitle()
{
    return QStringLiteral("Strobix");
}

inline QString productName()
{
    return QCoreApplication::translate("AppInfo", "STROBIX  -  Programmable LED Sequencer/Flasher");
}
inline QString startupCaption()
{
    return productName() + QStringLiteral(" - Rev3");
}
// Caption after a file was chosen: this prefix, then the file's name.
inline QString fileCaptionPrefix()
{
    return productName() + QStringLiteral(" - ");
}

} // namespace AppInfo
