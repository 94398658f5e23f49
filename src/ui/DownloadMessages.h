// SPDX-License-Identifier: MIT
#pragma once

#include "SerialLink.h"

#include <QString>
#include <QStringList>

// The texts the Download command shows. CR ("\r") breaks lines.
namespace DownloadMessages {

QString title();
// How to bring the device into its programming mode while the port is open.
QString instructions();

// Nothing answers to the port number: none of the candidate devices exists.
QString noDevice(int port, const QStringList& candidates);
// The device exists but could not be opened and set up.
QString openFailed(int port, const QString& device, const SerialLink::OpenResult& result);
// The line failed while the stream was sent. index: 0-based record, or
// PacedSender::MarkerIndex for the start marker.
QString sendFailed(int port, const QString& device, int index, const QString& reason);

} // namespace DownloadMessages
