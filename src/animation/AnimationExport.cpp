// SPDX-License-Identifier: MIT
#include "AnimationExport.h"

#include "AnimationFrames.h"
#include "AnimationTiming.h"
#include "CommandLine.h"
#include "Console.h"
#include "GifWriter.h"
#include "ProgramSettings.h"
#include "SaveFileCommit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSaveFile>

#include <array>

namespace AnimationExport {

namespace {

bool hasLitCell(const LedSequence& sequence, int led)
{
    for (int event = 0; event <= sequence.lastEvent(); ++event)
        if (sequence.cell(led, event))
            return true;
    return false;
}

int ledsLitIn(const LedSequence& sequence, int zone)
{
    int count = 0;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        count += hasLitCell(sequence, led) && (sequence.servoMode(led) & (1 << zone));
    return count;
}

// Steps shorter than a GIF can show are said once, with the shortest.
void warnAboutShortFrames(const std::vector<int>& durationsMs)
{
    int shortFrames = 0;
    int shortest = AnimationTiming::ShortestFaithfulMs;
    for (int duration : durationsMs)
        if (duration < AnimationTiming::ShortestFaithfulMs) {
            ++shortFrames;
            shortest = std::min(shortest, duration);
        }
    if (shortFrames == 0)
        return;
    Console::err(QCoreApplication::translate(
                     "Console", "Warning: %1 of the pictures last less than %2 ms (the shortest "
                                "%3 ms). GIF viewers show them longer, so the picture plays "
                                "slower than the test.\n")
                     .arg(shortFrames)
                     .arg(AnimationTiming::ShortestFaithfulMs)
                     .arg(shortest));
}

} // namespace

int defaultZone(const LedSequence& sequence)
{
    constexpr std::array<int, 4> Preference{ServoZone::zone(ServoZone::StartStick), 0, 1, 3};
    int best = Preference[0];
    for (int zone : Preference)
        if (ledsLitIn(sequence, zone) > ledsLitIn(sequence, best))
            best = zone;
    return best;
}

Animation animate(const LedSequence& sequence, int stepMs, const Options& options,
                  const QPalette& palette)
{
    const int zone = options.stickZone >= 0 ? options.stickZone : defaultZone(sequence);
    const AnimationFrames drawer(options.width, palette);
    Animation animation;
    for (int event = 0; event <= sequence.lastEvent(); ++event) {
        QImage frame =
            drawer.draw(sequence, event, TestPlayback::lampsFor(sequence, event, 1 << zone));
        if (!animation.frames.isEmpty() && animation.frames.constLast() == frame) {
            animation.durationsMs.back() += stepMs;
            continue;
        }
        animation.frames.append(std::move(frame));
        animation.durationsMs.push_back(stepMs);
    }
    animation.delaysCs = AnimationTiming::delaysCs(animation.durationsMs);
    return animation;
}

QString save(const Animation& animation, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // Encoded in memory, then written and committed as every file the program
    // writes is (SaveFileCommit.h): a full or failing disk is never success.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (const QString problem = GifWriter::write(encoded, animation.frames, animation.delaysCs);
        !problem.isEmpty()) {
        file.cancelWriting();
        return problem;
    }
    if (const QString error = SaveFileCommit::write(file, encoded.data()); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    return SaveFileCommit::commit(file);
}

int run(const QString& dataFile, const QString& picture, const Options& options)
{
    LedSequence sequence;
    ProgramSettings settings;
    if (!Console::loadSequence(dataFile, sequence, settings,
                               QCoreApplication::translate("Console", "Nothing was written.")))
        return ExitCode::BadFile;
    const Animation animation =
        animate(sequence, settings.pcSpeed(), options, QGuiApplication::palette());
    warnAboutShortFrames(animation.durationsMs);
    if (const QString problem = save(animation, picture); !problem.isEmpty()) {
        Console::err(QCoreApplication::translate("Console", "Cannot write %1\n%2\nNothing was "
                                                            "written.\n")
                         .arg(picture, problem));
        return ExitCode::NotWritten;
    }
    return ExitCode::Success;
}

} // namespace AnimationExport
