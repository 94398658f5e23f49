// SPDX-License-Identifier: MIT
#include "HeadlessDownload.h"

#include "Console.h"
#include "DownloadMessages.h"
#include "DownloadStream.h"
#include "LedSequence.h"
#include "ProgramSettings.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

constexpr int ProgressWidth = 28;

QString progressLine(int sent)
{
    const int filled = sent * ProgressWidth / DownloadStream::RecordCount;
    return HeadlessDownload::tr("\r[%1%2] record %3 of %4")
        .arg(QString(filled, QLatin1Char('#')), QString(ProgressWidth - filled, QLatin1Char('.')))
        .arg(sent, 2)
        .arg(DownloadStream::RecordCount);
}

} // namespace

HeadlessDownload::HeadlessDownload(const CommandLine& line, const PortResolver& ports)
    : m_line(line)
    , m_outIsTerminal(Console::outIsTerminal())
    , m_session(ports)
{
    connect(&m_session, &DownloadSession::recordSent, this, &HeadlessDownload::onRecordSent);
    connect(&m_session, &DownloadSession::ended, this, &HeadlessDownload::onEnded);
    connect(&m_terminal, &TerminalInput::stopRequested, this, &HeadlessDownload::onStopRequest);
    connect(&m_terminal, &TerminalInput::lineRead, this, &HeadlessDownload::onAnswer);
}

HeadlessDownload::~HeadlessDownload() = default;

int HeadlessDownload::run()
{
    if (const int problem = prepare(); problem != ExitCode::Success)
        return problem;
    m_terminal.watchStopRequests();
    Console::out(DownloadMessages::title() + QLatin1Char('\n') + DownloadMessages::instructions()
                 + QStringLiteral("\n\n"));
    // Everything that may end the run happens inside the event loop.
    QTimer::singleShot(0, this,
                       m_line.assumeYes ? &HeadlessDownload::start : &HeadlessDownload::askToGo);
    return QCoreApplication::exec();
}

int HeadlessDownload::prepare()
{
    LedSequence sequence;
    ProgramSettings settings;
    if (!Console::loadSequence(m_line.file, sequence, settings,
                               tr("Nothing was sent to the device.")))
        return ExitCode::BadFile;
    m_stream = DownloadStream::build(sequence, settings.picSpeed());
    return m_session.open(m_line.port) ? ExitCode::Success : ExitCode::PortNotOpened;
}

void HeadlessDownload::askToGo()
{
    //: The answer that cancels starts with n in every language
    Console::out(tr("Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... ")
                     .arg(m_session.device()));
    m_terminal.readLine();
}

void HeadlessDownload::onAnswer(const QByteArray& line, bool complete)
{
    const QByteArray answer = line.trimmed().toLower();
    if (!complete || answer.startsWith('n')) {
        m_session.cancel();
        return;
    }
    start();
}

void HeadlessDownload::start()
{
    if (!m_outIsTerminal)
        Console::out(tr("Sending to %1...\n").arg(m_session.device()));
    m_session.send(m_stream);
    if (m_outIsTerminal && m_session.isSending())
        Console::out(progressLine(0));
}

void HeadlessDownload::onRecordSent(int index)
{
    if (m_outIsTerminal)
        Console::out(progressLine(index + 1));
}

void HeadlessDownload::onStopRequest()
{
    m_terminal.stopReading();
    m_session.cancel(); // does nothing once the session has ended
}

void HeadlessDownload::onEnded(DownloadSession::Outcome outcome, const QString& message)
{
    switch (outcome) {
    case DownloadSession::Outcome::NotOpened:
        Console::err(message + QLatin1Char('\n')); // before the event loop: run() returns
        return;
    case DownloadSession::Outcome::Completed:
        endProgressLine();
        Console::out(tr("Done: %1 records sent to %2.\n")
                         .arg(DownloadStream::RecordCount)
                         .arg(m_session.device()));
        QCoreApplication::exit(ExitCode::Success);
        return;
    case DownloadSession::Outcome::Failed:
        endProgressLine();
        Console::err(message + QLatin1Char('\n'));
        QCoreApplication::exit(ExitCode::LineFailed);
        return;
    case DownloadSession::Outcome::Cancelled:
    case DownloadSession::Outcome::Abandoned:
        break;
    }
    Console::out(QStringLiteral("\n"));
    Console::err(message.isEmpty() ? tr("Cancelled. Nothing was sent to the device.\n") : message);
    QCoreApplication::exit(ExitCode::Cancelled);
}

void HeadlessDownload::endProgressLine()
{
    if (m_outIsTerminal)
        Console::out(QStringLiteral("\n"));
}
