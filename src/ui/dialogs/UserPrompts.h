// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Every question and message the program puts to the user goes through this
// interface, so tests can answer them without a person and assert exactly
// what was asked.
class UserPrompts {
public:
    enum class Icon { None, Exclamation, Question, Critical };
    enum class Buttons { Ok, OkCancel, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        QString title; // empty: the application's title
        QString text;  // CR ("\r") separates lines
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    struct FileRequest {
        enum class Mode { Open, Save };
        Mode mode = Mode::Open;
        QString title;
        QString filter;      // Qt filter string, ";;" between choices
        QString initialName; // a name, or a full path: the dialog opens in its folder
    };

    virtual ~UserPrompts() = default;

    // Closing a box without choosing answers Cancel (or Ok for an OK-only box).
    virtual Answer ask(const Message& message) = 0;
    // The full path chosen, or an empty string when the user cancelled.
    virtual QString chooseFile(const FileRequest& request) = 0;
    // Closes the innermost question still open, unanswered (its ask() returns
    // Cancel): what it asked about has been settled without the user.
    virtual void withdraw() = 0;
};
