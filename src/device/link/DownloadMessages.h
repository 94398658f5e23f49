// SPDX-License-Identifier: MIT
#pragma once

#include "SerialLink.h"

#include <QString>
#include <QStringList>

// The texts of a download, shown by the Download command and printed by
// --download. CR ("\r") breaks lines. port: the number the user chose, or 0
// when the device was named on the command line.
namespace DownloadMessages {

QString title();
// How to bring the device into its programming mode while the port is open.
QString instructions();

// Nothing answers to the port number. present: the ports the computer has.
QString noDevice(int port, const QStringList& present);
// The device exists but could not be opened and set up.
QString openFailed(int port, const QString& device, const SerialLink::OpenResult& result);
// The line failed while the stream was sent. index: 0-based record, or
// PacedSender::MarkerIndex for the start marker.
QString sendFailed(int port, const QString& device, int index, const QString& reason);
// The user stopped the download after `sent` records.
QString cancelledWhileSending(int port, const QString& device, int sent);

} // namespace DownloadMessages
