// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "PortLocator.h"
#include "SequenceLink.h"
#include "SystemSerialPort.h"

#include <QCommandLineParser>

#include <utility>

namespace {

QCommandLineOption hidden(const QString& name, bool takesValue)
{
    QCommandLineOption option(name);
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            CommandLine::tr("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               CommandLine::tr("Show the program's version and exit.")};
    QCommandLineOption print{QStringLiteral("print"),
                             CommandLine::tr("Print the sequence of <file> as text and exit."),
                             QStringLiteral("file")};
    QCommandLineOption printLink{
        QStringLiteral("print-link"),
        CommandLine::tr("Print the sequence of <file> as a link (#seq=...) and exit."),
        QStringLiteral("file")};
    QCommandLineOption linkBase{
        QStringLiteral("link-base"),
        CommandLine::tr("With --print-link: the address of the browser edition, to print the "
                        "whole link."),
        QStringLiteral("url")};
    QCommandLineOption download{
        QStringLiteral("download"),
        CommandLine::tr("Program the device with <file> without opening a window; needs --port "
                        "or --device."),
        QStringLiteral("file")};
    QCommandLineOption port{QStringLiteral("port"),
                            CommandLine::tr("Download through serial port number <n> (1 to 8)."),
                            QStringLiteral("n")};
    QCommandLineOption device{
        QStringLiteral("device"),
        CommandLine::tr("Download to the serial device <path> instead of the one the port number "
                        "reaches (also in the window)."),
        QStringLiteral("path")};
    QCommandLineOption exportAnimation{
        QStringLiteral("export-animation"),
        CommandLine::tr("Draw the visual test of <file> as an animated GIF picture <out.gif> and "
                        "exit."),
        QStringLiteral("file")};
    QCommandLineOption size{
        QStringLiteral("size"),
        CommandLine::tr("With --export-animation: the picture's width in pixels (%1 to %2). Below "
                        "the window's own width only the lamps are drawn; from there on also the "
                        "grid and the time axis.")
            .arg(CommandLine::MinPictureWidth)
            .arg(CommandLine::MaxPictureWidth),
        QStringLiteral("n")};
    QCommandLineOption stick{
        QStringLiteral("stick"),
        CommandLine::tr("With --export-animation: the servo stick's zone, 0 (1000-1240 us) to 3 "
                        "(1750-1990 us); by default the zone in which the most LEDs light."),
        QStringLiteral("zone")};
    QCommandLineOption yes{{QStringLiteral("y"), QStringLiteral("yes")},
                           CommandLine::tr("With --download: do not wait for Enter after the "
                                           "power-up instructions.")};
    QCommandLineOption language{
        QStringLiteral("language"),
        CommandLine::tr("Speak the language <code> instead of the desktop's (%1).")
            .arg(CommandLine::languages().join(QStringLiteral(", "))),
        QStringLiteral("code")};

    void addTo(QCommandLineParser& parser) const
    {
        // Qt's own window options (-platform xcb, -style fusion, ...) are the
        // application object's business: let them through for the window.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const char* name :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
              "qwindowtitle", "qwindowicon", "style", "stylesheet", "session", "display", "name"})
            parser.addOption(hidden(QLatin1String(name), true));
        for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
            parser.addOption(hidden(QLatin1String(name), false));
        parser.setApplicationDescription(
            CommandLine::tr("Editor and programmer for the STROBIX LED sequencer. Without options "
                            "it opens the editor window, with [file] loaded."));
        parser.addOptions({help, version, print, printLink, linkBase, download, port, device, yes,
                           exportAnimation, size, stick, language});
        parser.addPositionalArgument(
            QStringLiteral("file"),
            CommandLine::tr("A sequence data file (*.dat) to open, or a link to a sequence "
                            "(https://.../#seq=... or #seq=...), opened as a new, unsaved one."),
            QStringLiteral("[file]"));
    }
};

CommandLine only(CommandLine::Mode mode, const QString& error = {})
{
    CommandLine line;
    line.mode = mode;
    line.error = error;
    return line;
}

CommandLine invalid(const QString& error)
{
    return only(CommandLine::Mode::Invalid, error);
}

// The options that only make sense in some modes; empty when all fit.
QString misplacedOption(const QCommandLineParser& parser, const Options& options,
                        CommandLine::Mode mode)
{
    using Mode = CommandLine::Mode;
    if (parser.isSet(options.port) && mode != Mode::Download)
        return CommandLine::tr("--port goes with --download (the window takes its port from "
                               "Settings).");
    if (parser.isSet(options.yes) && mode != Mode::Download)
        return CommandLine::tr("--yes goes with --download.");
    if (parser.isSet(options.device) && mode == Mode::Print)
        return CommandLine::tr("--device does not go with --print.");
    if (parser.isSet(options.device) && mode == Mode::PrintLink)
        return CommandLine::tr("--device does not go with --print-link.");
    if (parser.isSet(options.linkBase) && mode != Mode::PrintLink)
        return CommandLine::tr("--link-base goes with --print-link.");
    if (parser.isSet(options.linkBase) && parser.value(options.linkBase).isEmpty())
        return CommandLine::tr("--link-base needs an address.");
    if ((parser.isSet(options.size) || parser.isSet(options.stick))
        && mode != Mode::ExportAnimation)
        return CommandLine::tr("--size and --stick go with --export-animation.");
    if (parser.isSet(options.device) && mode == Mode::ExportAnimation)
        return CommandLine::tr("--device does not go with --export-animation.");
    if (mode == Mode::ExportAnimation && parser.positionalArguments().size() != 1)
        return CommandLine::tr("--export-animation needs the picture to write (one name).");
    if (mode != Mode::Window && mode != Mode::ExportAnimation
        && !parser.positionalArguments().isEmpty())
        return CommandLine::tr("Unexpected argument: %1").arg(parser.positionalArguments().first());
    if (parser.positionalArguments().size() > 1)
        return CommandLine::tr("Only one file can be opened: %1")
            .arg(parser.positionalArguments().at(1));
    return {};
}

QString downloadTargetProblem(const QCommandLineParser& parser, const Options& options, int& port)
{
    const bool hasPort = parser.isSet(options.port);
    const bool hasDevice = parser.isSet(options.device);
    if (hasPort == hasDevice)
        return CommandLine::tr("--download needs either --port or --device (not both).");
    if (hasDevice)
        return parser.value(options.device).isEmpty() ? CommandLine::tr("--device needs a path.")
                                                      : QString();
    bool ok = false;
    port = parser.value(options.port).toInt(&ok);
    if (!ok || port < 1 || port > PortLocator::PortNumbers)
        return CommandLine::tr("--port takes a number from 1 to %1, not '%2'.")
            .arg(PortLocator::PortNumbers)
            .arg(parser.value(options.port));
    return {};
}

// A whole number from min to max, or a complaint naming the option.
QString numberProblem(const QCommandLineParser& parser, const QCommandLineOption& option, int min,
                      int max, int& number)
{
    if (!parser.isSet(option))
        return {};
    bool ok = false;
    number = parser.value(option).toInt(&ok);
    if (ok && number >= min && number <= max)
        return {};
    return CommandLine::tr("--%1 takes a number from %2 to %3, not '%4'.")
        .arg(option.names().constFirst())
        .arg(min)
        .arg(max)
        .arg(parser.value(option));
}

QString exportProblem(const QCommandLineParser& parser, const Options& options, CommandLine& line)
{
    line.output = parser.positionalArguments().constFirst();
    if (QString problem = numberProblem(parser, options.size, CommandLine::MinPictureWidth,
                                        CommandLine::MaxPictureWidth, line.pictureWidth);
        !problem.isEmpty())
        return problem;
    return numberProblem(parser, options.stick, 0, 3, line.stickZone);
}

} // namespace

// What the options ask for, the language aside.
static CommandLine modesOf(const QCommandLineParser& parser, const Options& options)
{
    using Mode = CommandLine::Mode;
    if (parser.isSet(options.help))
        return only(Mode::Help);
    if (parser.isSet(options.version))
        return only(Mode::Version);
    if (parser.isSet(options.print) + parser.isSet(options.printLink)
            + parser.isSet(options.download) + parser.isSet(options.exportAnimation)
        > 1)
        return invalid(CommandLine::tr(
            "--print, --print-link, --download and --export-animation do not go together."));

    CommandLine line;
    if (parser.isSet(options.print)) {
        line.mode = Mode::Print;
        line.file = parser.value(options.print);
    } else if (parser.isSet(options.printLink)) {
        line.mode = Mode::PrintLink;
        line.file = parser.value(options.printLink);
        line.linkBase = parser.value(options.linkBase);
    } else if (parser.isSet(options.download)) {
        line.mode = Mode::Download;
        line.file = parser.value(options.download);
    } else if (parser.isSet(options.exportAnimation)) {
        line.mode = Mode::ExportAnimation;
        line.file = parser.value(options.exportAnimation);
    } else {
        line.file = parser.positionalArguments().value(0);
        if (SequenceLink::isLink(line.file))
            line.link = std::exchange(line.file, QString());
    }
    if (const QString problem = misplacedOption(parser, options, line.mode); !problem.isEmpty())
        return invalid(problem);
    if (line.mode == Mode::Download) {
        if (const QString problem = downloadTargetProblem(parser, options, line.port);
            !problem.isEmpty())
            return invalid(problem);
        line.assumeYes = parser.isSet(options.yes);
    }
    if (line.mode == Mode::ExportAnimation) {
        if (const QString problem = exportProblem(parser, options, line); !problem.isEmpty())
            return invalid(problem);
    }
    // Relative to the working folder, as every other path on a command line;
    // the serial port would take a bare name to be one under /dev.
    if (parser.isSet(options.device))
        line.device = SystemSerialPort::lastingName(parser.value(options.device));
    return line;
}

QStringList& CommandLine::languages()
{
    static QStringList codes{QStringLiteral("en")};
    return codes;
}

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    if (!parser.parse(arguments))
        return invalid(parser.errorText());
    const QString language = parser.value(options.language);
    if (parser.isSet(options.language) && !languages().contains(language))
        return invalid(tr("--language takes one of %1, not '%2'.")
                           .arg(languages().join(QStringLiteral(", ")), language));
    CommandLine line = modesOf(parser, options);
    line.language = language;
    return line;
}

QString CommandLine::helpText(const QString& program)
{
    QCommandLineParser parser;
    Options().addTo(parser);
    QString text = parser.helpText();
    // Qt names the program after the running executable, in a first line that
    // its own translation words; put the given name in its place.
    const QString executable = QCoreApplication::arguments().value(0);
    const qsizetype at = executable.isEmpty() ? -1 : text.indexOf(executable);
    if (at >= 0 && at < text.indexOf(u'\n'))
        text.replace(at, executable.size(), program);
    return text
           + tr("\nExamples:\n"
                "  %1 show.dat                               open show.dat in the editor\n"
                "  %1 --print show.dat                       print it as a grid\n"
                "  %1 --print-link show.dat                  print it as a link (#seq=...)\n"
                "  %1 '#seq=...'                             open such a link in the editor\n"
                "  %1 --download show.dat --port 1           program the device on port 1\n"
                "  %1 --download show.dat --device /dev/pts/3 --yes\n"
                "  %1 --export-animation show.dat show.gif  draw its visual test as a GIF\n"
                "\nExit status of --print, --print-link, --download and --export-animation:\n"
                "  %2  success\n"
                "  %3  wrong usage (unknown option, missing argument, --port with --device, ...)\n"
                "  %4  the data file cannot be read or is not a valid sequence file; nothing "
                "was sent\n"
                "  %5  the serial port cannot be opened (no such device, busy, no permission)\n"
                "  %6  the line failed while sending (the message names the record)\n"
                "  %7  cancelled: no or end of input at the power-up prompt, Ctrl+C or SIGTERM\n"
                "  %8  the picture cannot be written (no such folder, no permission, disk "
                "full); nothing is left behind\n")
                 // All at once, so that a program name holding "%2" stays as it is.
                 .arg(program, QString::number(ExitCode::Success), QString::number(ExitCode::Usage),
                      QString::number(ExitCode::BadFile), QString::number(ExitCode::PortNotOpened),
                      QString::number(ExitCode::LineFailed), QString::number(ExitCode::Cancelled),
                      QString::number(ExitCode::NotWritten));
}
