// SPDX-License-Identifier: MIT
#pragma once

#include "UserPrompts.h"

// Answers every question with OK and cancels every file dialog, so a benchmark
// can drive the window's commands without anyone at the keyboard.
class AlwaysOkPrompts : public UserPrompts {
public:
    Answer ask(const Message&) override { return Answer::Ok; }
    QString chooseFile(const FileRequest&) override { return {}; }
    void withdraw() override {}
};
