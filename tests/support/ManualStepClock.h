// SPDX-License-Identifier: MIT
#pragma once

#include "StepClock.h"
#include "TestPlayback.h"

#include <memory>

// A step clock that tests move by hand: time stands still until advance() or
// fire(), and a due wake-up is delivered once, like a timer tick that comes
// late does not make up for missed ones.
class ManualStepClock : public StepClock {
public:
    static constexpr qint64 NsPerMs = 1000000;

    // Puts a new manual clock into the playback (which owns it) and returns it
    // so the test can move time.
    static ManualStepClock* installIn(TestPlayback& playback)
    {
        auto clock = std::make_unique<ManualStepClock>();
        ManualStepClock* raw = clock.get();
        playback.setStepClock(std::move(clock));
        return raw;
    }

    qint64 now() const override { return m_now; }
    void wakeAt(qint64 deadline) override
    {
        m_deadline = deadline;
        m_armed = true;
    }
    void cancel() override { m_armed = false; }

    bool isArmed() const { return m_armed; }
    qint64 deadline() const { return m_deadline; }

    void advance(qint64 ns)
    {
        m_now += ns;
        deliverIfDue();
    }
    void advanceMs(double ms) { advance(qint64(ms * NsPerMs)); }
    // Moves time to the pending deadline (if still ahead) and delivers it.
    void fire()
    {
        if (m_armed && m_deadline > m_now)
            m_now = m_deadline;
        deliverIfDue();
    }

private:
    void deliverIfDue()
    {
        if (!m_armed || m_now < m_deadline)
            return;
        m_armed = false;
        emit timeout();
    }

    qint64 m_now = 1000 * NsPerMs;
    qint64 m_deadline = 0;
    bool m_armed = false;
};
