// SPDX-License-Identifier: MIT
#pragma once

#include "TestPlayback.h"

// Holds a playing visual test for the lifetime of the guard. Nothing is held
// when no test plays, and a hold taken in one run is not carried into the next.
class PlaybackHold {
public:
    explicit PlaybackHold(TestPlayback* playback)
        : m_playback(playback && playback->isPlaying() ? playback : nullptr)
        , m_run(m_playback ? m_playback->runNumber() : 0)
    {
        if (m_playback)
            m_playback->hold();
    }
    ~PlaybackHold()
    {
        if (m_playback && m_playback->runNumber() == m_run)
            m_playback->release();
    }
    PlaybackHold(const PlaybackHold&) = delete;
    PlaybackHold& operator=(const PlaybackHold&) = delete;

private:
    TestPlayback* m_playback;
    int m_run;
};
