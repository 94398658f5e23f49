// SPDX-License-Identifier: MIT
#include "TestPlayback.h"

#include "PreciseStepClock.h"
#include "ProgramSettings.h"

namespace {
constexpr qint64 NsPerMs = 1000000;
} // namespace

TestPlayback::TestPlayback(const LedSequence& sequence, const ProgramSettings& settings,
                           QObject* parent, std::unique_ptr<StepClock> clock)
    : QObject(parent)
    , m_sequence(sequence)
    , m_settings(settings)
    , m_clock(clock ? std::move(clock) : std::make_unique<PreciseStepClock>())
{
    attachClock();
}

TestPlayback::~TestPlayback() = default;

void TestPlayback::setStepClock(std::unique_ptr<StepClock> clock)
{
    if (m_playing || !clock)
        return;
    m_clock = std::move(clock);
    attachClock();
}

void TestPlayback::attachClock()
{
    connect(m_clock.get(), &StepClock::timeout, this, &TestPlayback::onClockTimeout);
}

void TestPlayback::start()
{
    if (m_running)
        return;
    m_running = true;
    emit runningChanged(true);

    m_periodNs = qint64(m_settings.pcSpeed()) * NsPerMs;
    m_zoneBit = ServoZone::zoneBit(m_stickValue);
    // Restarted while the previous run winds down: drop its last step.
    if (m_playing && m_highlighted)
        emit stepEnded(m_event);
    m_playing = true;
    ++m_runNumber;
    m_holds = 0;
    m_tickWhileHeld = false;
    m_highlighted = false;
    m_event = -1;
    beginSchedule();
    beginStep();
}

void TestPlayback::stop()
{
    if (!m_running)
        return;
    m_running = false;
    emit runningChanged(false);
}

void TestPlayback::hold()
{
    ++m_holds;
}

void TestPlayback::release()
{
    if (m_holds == 0)
        return;
    --m_holds;
    // The step ran out while held: go on, but from the event loop, after the
    // command that held the playback has finished.
    if (m_holds == 0 && m_tickWhileHeld)
        m_clock->wakeAt(m_clock->now());
}

void TestPlayback::setStickValue(int value)
{
    if (!ServoZone::isStickValue(value))
        return;
    m_stickValue = value;
    m_zoneBit = ServoZone::zoneBit(value);
}

void TestPlayback::beginSchedule()
{
    m_scheduleStart = m_clock->now();
    m_stepsScheduled = 0;
}

// Start of a step: stop if asked to, else move to the next event (a new pass
// reads LastEvent afresh), show it, and wait for the step's deadline.
void TestPlayback::beginStep()
{
    if (!m_running) {
        finish();
        return;
    }
    const bool newPass = m_event < 0 || m_event >= m_passLastEvent;
    if (newPass)
        m_passLastEvent = m_sequence.lastEvent();
    showEvent(newPass ? 0 : m_event + 1);
    ++m_stepsScheduled;
    m_clock->wakeAt(m_scheduleStart + m_stepsScheduled * m_periodNs);
}

void TestPlayback::showEvent(int event)
{
    m_event = event;
    m_highlighted = true;
    m_lamps = lampsFor(m_sequence, event, m_zoneBit);
    emit stepShown(event, m_lamps);
}

TestPlayback::LampColors TestPlayback::lampsFor(const LedSequence& sequence, int event, int zoneBit)
{
    LampColors lamps{};
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        const bool lit =
            ServoZone::lampLit(sequence.cell(led, event), zoneBit, sequence.servoMode(led));
        lamps[led] = lit ? LedSequence::colorValue(sequence.ledColor(led)) : 0;
    }
    return lamps;
}

void TestPlayback::onClockTimeout()
{
    if (!m_playing)
        return;
    if (isHeld()) {
        m_tickWhileHeld = true;
        return;
    }
    // Resuming after a hold, or woken a whole step late (heavy load, a long
    // paint): the next step starts now and the schedule counts from here,
    // rather than racing through the steps missed. A wake-up late by less than
    // a step keeps the schedule, so ordinary jitter does not drift.
    const qint64 now = m_clock->now();
    const qint64 lateness = now - (m_scheduleStart + m_stepsScheduled * m_periodNs);
    if (m_tickWhileHeld || lateness >= m_periodNs) {
        m_tickWhileHeld = false;
        m_scheduleStart = now - m_stepsScheduled * m_periodNs;
    }
    endStep();
}

void TestPlayback::endStep()
{
    m_highlighted = false;
    emit stepEnded(m_event);
    beginStep();
}

void TestPlayback::finish()
{
    m_clock->cancel();
    m_playing = false;
    m_event = -1;
    m_lamps = LampColors{};
    emit finished();
}
