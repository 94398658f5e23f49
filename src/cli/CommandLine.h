// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Exit codes of the modes that run without a window (also listed by --help,
// the README and the manual).
namespace ExitCode {
constexpr int Success = 0;
constexpr int Usage = 1;         // unknown option, missing argument, conflicting options
constexpr int BadFile = 2;       // the data file cannot be read or is not a sequence file
constexpr int PortNotOpened = 3; // no such device, busy, no permission
constexpr int LineFailed = 4;    // the line failed while sending
constexpr int Cancelled = 5;     // answered no at the prompt, Ctrl+C or SIGTERM
constexpr int NotWritten = 6;    // the picture cannot be written (nothing is left behind)
} // namespace ExitCode

// What the command line asks for. Decided from the arguments alone, before any
// application object exists, because the window needs a display and the other
// modes must run without one.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Mode { Window, Help, Version, Print, PrintLink, Download, ExportAnimation, Invalid };

    static constexpr int MinPictureWidth = 16;
    static constexpr int MaxPictureWidth = 2000;

    Mode mode = Mode::Window;
    QString file;         // Window: the file to open (may be empty); others: the data file
    QString link;         // Window: a link to a sequence to open instead (...#seq=...)
    QString linkBase;     // PrintLink: the address the link starts with; empty: "#seq=..." alone
    QString output;       // ExportAnimation: the picture to write
    int pictureWidth = 0; // --size in pixels; 0: the window's own size
    int stickZone = -1;   // --stick: 0..3; -1: where the most LEDs light
    int port = 0;         // --port: 1..8; 0 when not given
    QString device;       // --device: a serial device path, in place of the port number's
    bool assumeYes = false;
    QString language; // --language: one of languages(); empty: the desktop's
    QString error;    // Invalid: what is wrong with the arguments

    // The codes --language takes: English and those the program is translated to,
    // which main() adds before parsing.
    static QStringList& languages();

    // arguments: as main() gets them, the program's name first.
    static CommandLine parse(const QStringList& arguments);

    // The --help text, exit codes included; program: the name to show.
    static QString helpText(const QString& program);
};
