// SPDX-License-Identifier: MIT
#include "PacedSender.h"

#include "DownloadStream.h"
#include "NextTurn.h"
#include "SerialLink.h"

#include <algorithm>

using namespace std::chrono;

PacedSender::PacedSender(SerialLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedSender::onTimer);
    connect(&m_link, &SerialLink::failed, this, &PacedSender::onLinkFailed);
}

int PacedSender::recordCount() const
{
    return (m_stream.size() - DownloadStream::RecordSize) / DownloadStream::RecordSize;
}

void PacedSender::start(const QByteArray& stream)
{
    m_stream = stream;
    m_next = 0;
    m_state = State::Pausing;
    if (!handOver(MarkerIndex))
        return;
    m_sinceMarker.start();
    emit markerSent();
    if (m_state == State::Pausing)
        scheduleNext();
}

void PacedSender::abort()
{
    m_timer.stop();
    ++m_turn;
    m_state = State::Idle;
    m_link.abandon();
}

bool PacedSender::handOver(int index)
{
    m_current = index;
    const int offset = DownloadStream::RecordSize * (index + 1);
    if (!m_link.write(m_stream.mid(offset, DownloadStream::RecordSize))) {
        // A failing write has usually been reported by the link already. A line
        // that failed before the stream began (while the user read the
        // instructions) was closed then: its reason is the one to report.
        if (m_state != State::Idle)
            fail(index, linkFailure());
        return false;
    }
    // The pause before the next record counts from this hand-over.
    m_sinceHandOver.start();
    return true;
}

nanoseconds PacedSender::waitBefore(int index, nanoseconds sinceMarker, nanoseconds sinceHandOver)
{
    const nanoseconds dueAfterMarker =
        MarkerPause + RecordPause * (index + 1) + FirstMargin + GapMargin * index;
    const nanoseconds wait = std::max(dueAfterMarker - sinceMarker, RecordPause - sinceHandOver);
    return std::max(wait, nanoseconds::zero());
}

nanoseconds PacedSender::waitBeforeNext() const
{
    return waitBefore(m_next, nanoseconds(m_sinceMarker.nsecsElapsed()),
                      nanoseconds(m_sinceHandOver.nsecsElapsed()));
}

void PacedSender::scheduleNext()
{
    // Timers count whole milliseconds and wake a little late, and with a
    // 50 ms floor after each record any lateness carries over to all later
    // ones. So sleep until shortly before the record is due and spend the
    // rest in the soonest turns the platform gives (the event loop keeps running).
    const nanoseconds left = waitBeforeNext();
    const int turn = ++m_turn; // a turn asked for before this, or an abort, is let go
    if (left > NextTurn::finalApproach()) {
        m_timer.start(duration_cast<milliseconds>(left - NextTurn::finalApproach()));
        return;
    }
    NextTurn::request(this, [this, turn] {
        if (turn == m_turn)
            onTimer();
    });
}

void PacedSender::onTimer()
{
    if (m_state == State::Draining) {
        drain();
        return;
    }
    if (m_state != State::Pausing)
        return;
    if (waitBeforeNext() > nanoseconds::zero()) {
        scheduleNext(); // never send before the record is due
        return;
    }
    sendDueRecord();
}

void PacedSender::sendDueRecord()
{
    const int index = m_next;
    if (!handOver(index))
        return;
    ++m_next;
    emit recordSent(index);
    if (m_state != State::Pausing)
        return; // a receiver of recordSent aborted the download
    if (m_next < recordCount()) {
        scheduleNext();
        return;
    }
    m_state = State::Draining;
    m_sinceDrainStart.start();
    m_timer.start(DrainPoll);
}

void PacedSender::drain()
{
    const SerialLink::Output output = m_link.output();
    if (output == SerialLink::Output::Lost) {
        fail(recordCount() - 1, linkFailure());
        return;
    }
    const bool settled = nanoseconds(m_sinceHandOver.nsecsElapsed()) >= LineSettle;
    if (settled && output == SerialLink::Output::Drained) {
        m_state = State::Idle;
        m_link.close();
        emit finished();
        return;
    }
    if (nanoseconds(m_sinceDrainStart.nsecsElapsed()) >= DrainTimeout) {
        fail(recordCount() - 1, tr("The serial port did not finish sending within %1 seconds.")
                                    .arg(duration_cast<seconds>(DrainTimeout).count()));
        return;
    }
    m_timer.start(DrainPoll);
}

QString PacedSender::linkFailure() const
{
    const QString reason = m_link.lastFailure();
    return reason.isEmpty() ? tr("The serial port is not open.") : reason;
}

void PacedSender::onLinkFailed(const QString& reason)
{
    if (m_state == State::Idle)
        return;
    // Errors surface while a record is handed over or, for a line that breaks
    // afterwards, before the next one: either way that record may be lost.
    fail(m_current, reason);
}

void PacedSender::fail(int index, const QString& reason)
{
    m_timer.stop();
    m_state = State::Idle;
    m_link.abandon();
    emit failed(index, reason);
}
