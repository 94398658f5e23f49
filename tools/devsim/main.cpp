// SPDX-License-Identifier: MIT
// strobix-devsim: plays the STROBIX device on a pseudo-terminal so that a
// download can be tried and checked without hardware. It prints the terminal's
// path, waits for one download, checks the line settings, the framing and the
// pacing, prints the program it received and exits non-zero on any violation.

#include "DownloadReceiver.h"
#include "DownloadStream.h"
#include "ProgramReport.h"
#include "PseudoTerminal.h"
#include "StreamAnalysis.h"

#include <QCommandLineParser>
#include <QFile>
#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

enum ExitCode { Passed = 0, Violations = 1, SetupError = 2, NothingReceived = 3 };

// Default allowance for late arrival stamps. The kernel passes pseudo-terminal
// data to the reader through a worker thread, and the simulator itself must be
// scheduled, so a byte can be stamped a few milliseconds after it was written,
// which shortens the gap that follows it. Only gaps shorter than the minimum by
// more than this count as violations.
constexpr double DefaultToleranceMs = 5.0;

std::atomic<bool> g_stop{false};

void requestStop(int)
{
    g_stop = true;
}

void installStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void say(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

struct Settings {
    QString link;
    int hangUpAfter = -1;
    int timeoutSeconds = 0;
    double toleranceMs = DefaultToleranceMs;
    QString save; // where to keep the bytes received, to compare two downloads
};

bool parse(QCoreApplication& app, Settings& settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the STROBIX device on a pseudo-terminal and checks one download."));
    parser.addHelpOption();
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Also reach the terminal through a symbolic link at <path>."),
        QStringLiteral("path"));
    const QCommandLineOption hangUp(QStringLiteral("hangup-after"),
                                    QStringLiteral("Hang up the line after <n> records (0..55)."),
                                    QStringLiteral("n"));
    const QCommandLineOption timeout(
        QStringLiteral("timeout"),
        QStringLiteral("Give up when no download starts within <s> seconds (0: wait for ever)."),
        QStringLiteral("s"), QStringLiteral("0"));
    const QCommandLineOption tolerance(
        QStringLiteral("tolerance-ms"),
        QStringLiteral("Allowance for late arrival stamps on this side (default 5)."),
        QStringLiteral("ms"), QString::number(DefaultToleranceMs));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("Write the bytes received to <file>."),
                                  QStringLiteral("file"));
    parser.addOptions({link, hangUp, timeout, tolerance, save});
    parser.process(app);

    bool ok = true;
    settings.link = parser.value(link);
    settings.save = parser.value(save);
    if (parser.isSet(hangUp)) {
        settings.hangUpAfter = parser.value(hangUp).toInt(&ok);
        if (!ok || settings.hangUpAfter < 0 || settings.hangUpAfter >= DownloadStream::RecordCount)
            return false;
    }
    settings.timeoutSeconds = parser.value(timeout).toInt(&ok);
    if (!ok || settings.timeoutSeconds < 0)
        return false;
    settings.toleranceMs = parser.value(tolerance).toDouble(&ok);
    return ok && settings.toleranceMs >= 0;
}

QString endText(DownloadReceiver::End end, int hangUpAfter)
{
    switch (end) {
    case DownloadReceiver::End::Complete:
        return QStringLiteral("download received");
    case DownloadReceiver::End::HungUp:
        return QStringLiteral("hung up after %1 records, as asked").arg(hangUpAfter);
    case DownloadReceiver::End::Stalled:
        return QStringLiteral("the stream stopped before its end");
    case DownloadReceiver::End::TimedOut:
        return QStringLiteral("no download arrived");
    case DownloadReceiver::End::Stopped:
        break;
    }
    return QStringLiteral("stopped");
}

int report(const DownloadReceiver::Reception& reception, const Settings& settings)
{
    say(endText(reception.end, settings.hangUpAfter) + QLatin1Char('\n'));
    if (reception.bytes.isEmpty())
        return NothingReceived;
    const int expected = reception.end == DownloadReceiver::End::HungUp
                             ? settings.hangUpAfter
                             : DownloadStream::RecordCount;
    const StreamAnalysis analysis(reception.bytes, reception.arrivalNs, expected,
                                  settings.toleranceMs);
    QStringList violations = reception.lineProblems;
    violations += analysis.violations();
    say(QStringLiteral("Line settings: %1\n")
            .arg(reception.lineProblems.isEmpty()
                     ? QStringLiteral("2400 baud, 8N1, raw")
                     : reception.lineProblems.join(QStringLiteral("; "))));
    say(ProgramReport::program(analysis.values()));
    say(ProgramReport::timing(analysis.timing()));
    for (const QString& violation : violations)
        say(QStringLiteral("VIOLATION: %1\n").arg(violation));
    say(violations.isEmpty() ? QStringLiteral("Verdict: OK\n")
                             : QStringLiteral("Verdict: %1 violation(s)\n").arg(violations.size()));
    return violations.isEmpty() ? Passed : Violations;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("strobix-devsim"));
    Settings settings;
    if (!parse(app, settings)) {
        std::fputs("strobix-devsim: invalid option value (see --help)\n", stderr);
        return SetupError;
    }
    installStopHandlers();

    PseudoTerminal terminal;
    if (!terminal.isValid()) {
        std::fprintf(stderr, "strobix-devsim: no pseudo-terminal: %s\n",
                     qPrintable(terminal.error()));
        return SetupError;
    }
    say(QStringLiteral("device: %1\n").arg(terminal.slavePath()));
    if (!settings.link.isEmpty()) {
        if (!terminal.linkAt(settings.link)) {
            std::fprintf(stderr, "strobix-devsim: %s\n", qPrintable(terminal.error()));
            return SetupError;
        }
        terminal.giveToSudoUser();
        say(QStringLiteral("link: %1 -> %2\n").arg(settings.link, terminal.slavePath()));
    }
    say(QStringLiteral("waiting for a download...\n"));

    if (!DownloadReceiver::raisePriority())
        say(QStringLiteral("note: no real-time priority; on a busy machine arrival stamps can be "
                           "late by a few ms (see --tolerance-ms)\n"));

    DownloadReceiver::Options options;
    options.hangUpAfter = settings.hangUpAfter;
    options.firstByteTimeout = std::chrono::seconds(settings.timeoutSeconds);
    options.stop = &g_stop;
    DownloadReceiver receiver(terminal, options);
    const DownloadReceiver::Reception reception = receiver.receive();
    if (!settings.save.isEmpty()) {
        QFile file(settings.save);
        if (!file.open(QIODevice::WriteOnly) || file.write(reception.bytes) != reception.bytes.size()) {
            std::fprintf(stderr, "strobix-devsim: cannot write %s\n", qPrintable(settings.save));
            return SetupError;
        }
    }
    return report(reception, settings);
}
