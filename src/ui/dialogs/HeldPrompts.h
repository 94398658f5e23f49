// SPDX-License-Identifier: MIT
#pragma once

#include "UserPrompts.h"

#include <memory>

class TestPlayback;

// Puts the visual test on hold while a question or file dialog waits for the
// user, then hands the request to the real (or, in tests, scripted) prompts.
class HeldPrompts : public UserPrompts {
public:
    HeldPrompts(TestPlayback* playback, std::unique_ptr<UserPrompts> backend);

    void setBackend(std::unique_ptr<UserPrompts> backend);

    Answer ask(const Message& message) override;
    QString chooseFile(const FileRequest& request) override;
    void withdraw() override { m_backend->withdraw(); }

private:
    TestPlayback* m_playback;
    std::unique_ptr<UserPrompts> m_backend;
};
