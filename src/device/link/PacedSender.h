// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class SerialLink;

// Sends a download stream at the device's pace: the start marker, then record
// k at 550 ms + k x 50 ms after the marker (its 500 ms pause plus each
// record's own 50 ms; a hair later, see the margins), and never sooner than 50 ms after the
// previous write was handed over. Scheduling against the marker keeps a late wake-up from pushing
// every later record back; the 50 ms floor keeps a late record from being
// followed too closely. Times come from a monotonic clock; a timer drives
// every step, so the window stays responsive and nothing sleeps.
// At the end the output is drained before the port is closed, because closing
// a serial port drops whatever has not yet been written.
class PacedSender : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds MarkerPause{500};
    static constexpr std::chrono::milliseconds RecordPause{50};
    // The last record needs 3 x 10 bits / 2400 baud = 12.5 ms on the wire after
    // the system's queue is empty; wait twice that before closing.
    static constexpr std::chrono::milliseconds LineSettle{25};
    static constexpr std::chrono::milliseconds DrainPoll{5};
    static constexpr std::chrono::milliseconds DrainTimeout{2000};
    // Each record is aimed this little past its earliest time, so that bytes
    // the system passes on a few microseconds late still reach the device no
    // sooner than it can take them (the whole stream is 5.3 ms longer).
    static constexpr std::chrono::microseconds FirstMargin{2000};
    static constexpr std::chrono::microseconds GapMargin{60};
    static constexpr int MarkerIndex = -1; // the failed "record" when the marker fails

    explicit PacedSender(SerialLink& link, QObject* parent = nullptr);

    // stream: the start marker followed by the records (DownloadStream::build).
    void start(const QByteArray& stream);
    // Stops at once and closes the port without waiting; emits nothing.
    void abort();
    bool isSending() const { return m_state != State::Idle; }

    // How long to wait before handing over record `index`, given the time since
    // the marker and since the last hand-over; zero when it is due.
    static std::chrono::nanoseconds waitBefore(int index, std::chrono::nanoseconds sinceMarker,
                                               std::chrono::nanoseconds sinceHandOver);

signals:
    void markerSent();
    void recordSent(int index);
    // Every record is on the line and the port is closed.
    void finished();
    // The port is closed; index is the record that failed (MarkerIndex for the marker).
    void failed(int index, const QString& reason);

private:
    enum class State { Idle, Pausing, Draining };

    void onTimer();
    void onLinkFailed(const QString& reason);
    void fail(int index, const QString& reason);
    QString linkFailure() const;
    bool handOver(int index);
    std::chrono::nanoseconds waitBeforeNext() const;
    void scheduleNext();
    void sendDueRecord();
    void drain();
    int recordCount() const;

    SerialLink& m_link;
    QTimer m_timer;
    int m_turn = 0; // counts the turns asked for; only the latest one counts
    QElapsedTimer m_sinceMarker;
    QElapsedTimer m_sinceHandOver;
    QElapsedTimer m_sinceDrainStart;
    QByteArray m_stream;
    int m_next = 0;              // index of the next record to write
    int m_current = MarkerIndex; // the record being or last handed over
    State m_state = State::Idle;
};
