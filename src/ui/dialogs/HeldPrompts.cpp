// SPDX-License-Identifier: MIT
#include "HeldPrompts.h"

#include "PlaybackHold.h"

HeldPrompts::HeldPrompts(TestPlayback* playback, std::unique_ptr<UserPrompts> backend)
    : m_playback(playback)
    , m_backend(std::move(backend))
{
}

void HeldPrompts::setBackend(std::unique_ptr<UserPrompts> backend)
{
    m_backend = std::move(backend);
}

UserPrompts::Answer HeldPrompts::ask(const Message& message)
{
    PlaybackHold hold(m_playback);
    return m_backend->ask(message);
}

QString HeldPrompts::chooseFile(const FileRequest& request)
{
    PlaybackHold hold(m_playback);
    return m_backend->chooseFile(request);
}
