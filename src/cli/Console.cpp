// SPDX-License-Identifier: MIT
#include "Console.h"

#include "CommandLine.h"
#include "LedSequence.h"
#include "ProgramSettings.h"
#include "SequenceFileReader.h"
#include "SequenceLink.h"
#include "SequencePrinter.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#endif

namespace Console {

namespace {

bool isTerminal(std::FILE* stream)
{
#if defined(Q_OS_UNIX)
    return ::isatty(::fileno(stream)) == 1;
#elif defined(Q_OS_WIN)
    return ::_isatty(::_fileno(stream)) != 0;
#else
    Q_UNUSED(stream);
    return false;
#endif
}

void write(std::FILE* stream, QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
#ifdef Q_OS_WIN
    // A console shows its own code page, not the system's: hand it the text as such.
    if (isTerminal(stream)) {
        std::fflush(stream);
        const HANDLE console =
            GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
        DWORD written = 0;
        if (WriteConsoleW(console, text.utf16(), DWORD(text.size()), &written, nullptr))
            return;
    }
#endif
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
    return isTerminal(stdout);
}

void releaseForWindow()
{
#ifdef Q_OS_WIN
    // The program is a console program so that --download and --print work in
    // one; started from the Start menu or Explorer it got a console of its own,
    // which the window does not need. One it shares with a shell stays.
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
#endif
}

bool loadSequence(const QString& path, LedSequence& sequence, ProgramSettings& settings,
                  const QString& consequence)
{
    const SequenceFileReader::Result result = SequenceFileReader::read(path);
    if (!result.ok()) {
        err(QCoreApplication::translate("Console", "Cannot read %1\n%2\n%3\n")
                .arg(path, result.problem, consequence));
        return false;
    }
    result.file->openInto(sequence, settings);
    return true;
}

int printSequence(const QString& path)
{
    LedSequence sequence;
    ProgramSettings settings;
    if (!loadSequence(path, sequence, settings,
                      QCoreApplication::translate("Console", "Nothing was printed.")))
        return ExitCode::BadFile;
    out(SequencePrinter::text(sequence, settings));
    return ExitCode::Success;
}

int printLink(const QString& path, const QString& base)
{
    LedSequence sequence;
    ProgramSettings settings;
    if (!loadSequence(path, sequence, settings,
                      QCoreApplication::translate("Console", "No link was printed.")))
        return ExitCode::BadFile;
    out(SequenceLink::link(SequenceFile::capture(sequence, settings), base) + QLatin1Char('\n'));
    return ExitCode::Success;
}

} // namespace Console
