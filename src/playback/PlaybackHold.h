#pragma once

#include "TestPlayback.h"

// Holds the playback for the lifetime of the guard.
class PlaybackHold {
public:
    explicit PlaybackHold(TestPlayback* playback)
        : m_playback(playback)
    {
        if (m_playback)
            m_playback->hold();
    }
    ~PlaybackHold()
    {
        if (m_playback)
            m_playback->release();
    }
    PlaybackHold(const PlaybackHold&) = delete;
    PlaybackHold& operator=(const PlaybackHold&) = delete;

private:
    TestPlayback* m_playback;
};
