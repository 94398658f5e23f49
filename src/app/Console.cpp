// SPDX-License-Identifier: MIT
#include "Console.h"

#include "CommandLine.h"
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "SequenceFileReader.h"
#include "SequencePrinter.h"

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace Console {

namespace {

void write(std::FILE* stream, QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

void out(const QString& text)
{
    write(stdout, text);
}

void err(const QString& text)
{
    write(stderr, text);
}

bool outIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(STDOUT_FILENO) == 1;
#else
    return false;
#endif
}

bool loadSequence(const QString& path, LedSequence& sequence, ProgramSettings& settings,
                  const QString& consequence)
{
    const SequenceFileReader::Result result = SequenceFileReader::read(path);
    if (!result.ok()) {
        err(QStringLiteral("Cannot read %1\n%2\n%3\n").arg(path, result.problem, consequence));
        return false;
    }
    result.file->openInto(sequence, settings);
    return true;
}

int printSequence(const QString& path)
{
    LedSequence sequence;
    ProgramSettings settings;
    if (!loadSequence(path, sequence, settings, QStringLiteral("Nothing was printed.")))
        return ExitCode::BadFile;
    out(SequencePrinter::text(sequence, settings));
    return ExitCode::Success;
}

} // namespace Console
