// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <vector>

class QIODevice;

// Writes an animated GIF picture that loops forever, with Debian's giflib.
// All frames share one colour table: the colours they use, or the 256 most
// used when there are more (the rest drawn in the nearest of those). Each
// frame after the first carries only the rectangle that changed.
namespace GifWriter {

// frames: all of one size; delaysCs: one per frame, in hundredths of a second.
// Returns the reason of a failure, or an empty string.
QString write(QIODevice& device, const QList<QImage>& frames, const std::vector<int>& delaysCs);

} // namespace GifWriter
