// SPDX-License-Identifier: MIT
#pragma once

#include "TestPlayback.h"

#include <QImage>
#include <QList>
#include <QPalette>
#include <QString>

#include <vector>

class LedSequence;

// --export-animation: the visual test of a data file as an animated GIF
// picture, one step per event from 0 to the last, each as long as the test
// shows it, looping forever.
namespace AnimationExport {

struct Options {
    int width = 0;      // of the picture in pixels; 0: the window's own width
    int stickZone = -1; // 0..3; -1: defaultZone()
};

// The stick's zone in which the most LEDs with a lit cell light; between
// equals, the zone the test's stick starts in, then the lowest.
int defaultZone(const LedSequence& sequence);

struct Animation {
    QList<QImage> frames;         // identical neighbours merged
    std::vector<int> durationsMs; // one per frame
    std::vector<int> delaysCs;    // one per frame
};
Animation animate(const LedSequence& sequence, int stepMs, const Options& options,
                  const QPalette& palette);

// Writes the picture through SaveFileCommit, by a temporary file, so that a
// failure (a full or failing disk too) leaves nothing behind and an older
// picture as it was. Returns the reason of a failure, or an empty string.
QString save(const Animation& animation, const QString& path);

// The whole command: returns the exit code; reports on standard error.
int run(const QString& dataFile, const QString& picture, const Options& options);

} // namespace AnimationExport
