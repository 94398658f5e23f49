// SPDX-License-Identifier: MIT
#include "AnimationExport.h"
#include "CommandLine.h"
#include "Console.h"
#include "FileCommands.h"
#include "HeadlessDownload.h"
#include "MainWindow.h"
#include "PortResolver.h"
#include "RecoveryController.h"
#ifdef STROBIX_SCRIPTED_EDITS
#include "ScriptedEdits.h"
#endif
#include "Translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>
#include <QTimer>

namespace {

// Off unless asked for (QT_LOGGING_RULES="strobix.startup.info=true"): tells
// what the window started with, for scripts and tests that cannot see it.
Q_LOGGING_CATEGORY(startupLog, "strobix.startup", QtWarningMsg)

const QString ProgramName = QStringLiteral("strobix");

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

// Also puts the texts in the user's language, or the one --language names,
// with or without a window.
void describeApplication(const QString& language)
{
    QCoreApplication::setApplicationName(QStringLiteral("Strobix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STROBIX_VERSION));
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // Dates and numbers follow the chosen language too, as the desktop's would.
    QLocale::setDefault(locale);
    Translations::install(*QCoreApplication::instance(), locale);
}

// Which device a port number reaches, for the whole run: --device names one
// for every number.
PortResolver portResolverFor(const CommandLine& line)
{
    return line.device.isEmpty() ? PortResolver::system() : PortResolver::oneDevice(line.device);
}

// Help, version, --print, --print-link and --download: QtCore only, so they
// run where there is no display at all.
int runWithoutWindow(int argc, char* argv[], const CommandLine& line)
{
    QCoreApplication app(argc, argv);
    describeApplication(line.language);
    switch (line.mode) {
    case CommandLine::Mode::Help:
        Console::out(CommandLine::helpText(ProgramName));
        return ExitCode::Success;
    case CommandLine::Mode::Version:
        Console::out(ProgramName + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                     + QLatin1Char('\n'));
        return ExitCode::Success;
    case CommandLine::Mode::Print:
        return Console::printSequence(line.file);
    case CommandLine::Mode::PrintLink:
        return Console::printLink(line.file, line.linkBase);
    case CommandLine::Mode::Download: {
        const PortResolver ports = portResolverFor(line);
        return HeadlessDownload(line, ports).run();
    }
    case CommandLine::Mode::Invalid:
    case CommandLine::Mode::Window:
    case CommandLine::Mode::ExportAnimation:
        break;
    }
    // Parsed again now that the texts speak the user's language.
    const QString error = CommandLine::parse(argumentsOf(argc, argv)).error;
    Console::err(CommandLine::tr("%1: %2\nTry '%1 --help'.\n").arg(ProgramName, error));
    return ExitCode::Usage;
}

// --export-animation draws with the window's painting code, fonts, style and
// palette, so it runs the window's kind of application, on the offscreen
// platform, which needs no display. Qt's own options are not passed on: they
// could ask for a platform that needs one.
int runExport(char* program, const CommandLine& line)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {program, nullptr};
    QApplication app(argc, argv);
    describeApplication(line.language);
    return AnimationExport::run(line.file, line.output, {line.pictureWidth, line.stickZone});
}

int runWindow(int argc, char* argv[], const CommandLine& line)
{
    Console::releaseForWindow();
    QApplication app(argc, argv);
    describeApplication(line.language);
    // Lets the desktop match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("strobix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(STROBIX_ICON)));

    MainWindow window;
    window.setPortResolver(portResolverFor(line));
    // Ends before the window does; a normal end removes the copy.
    RecoveryController recovery(window.document(), window.prompts(),
                                std::make_unique<RecoveryStore>());
    window.show();
    // Once the window is up, so that a question or a message has it behind.
    // Absolute, as the file dialog would give it: Save offers it later.
    const QString file = line.file.isEmpty() ? QString() : QFileInfo(line.file).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, &recovery, file, link = line.link] {
        // Restored work stays in the undo history of a file or link opened next.
        recovery.offerLeftCopies();
        if (!link.isEmpty())
            window.fileCommands()->openLink(link);
        else if (!file.isEmpty())
            window.fileCommands()->openFile(file);
        if (!file.isEmpty() || !link.isEmpty())
            qCInfo(startupLog).noquote()
                << "caption:" << window.windowTitle()
                << "| last event:" << window.document().sequence().lastEvent();
#ifdef STROBIX_SCRIPTED_EDITS
        ScriptedEdits::startIfAsked(window.document());
#endif
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    CommandLine::languages() = Translations::languages();
    const CommandLine line = CommandLine::parse(argumentsOf(argc, argv));
    if (line.mode == CommandLine::Mode::Window)
        return runWindow(argc, argv, line);
    if (line.mode == CommandLine::Mode::ExportAnimation)
        return runExport(argv[0], line);
    return runWithoutWindow(argc, argv, line);
}
