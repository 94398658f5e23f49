// SPDX-License-Identifier: MIT
#pragma once

#include "UserPrompts.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the program's questions from a script instead of a person, and keeps
// every message and file request it was shown so tests can check them.
// An answer may be a function, to look at the window while the box "is open".
//
// A script must fit the run exactly: a prompt nobody expected, or an answer
// left unused, fails the test that owns the script when the script goes.
class ScriptedPrompts : public UserPrompts {
public:
    ~ScriptedPrompts() override;

    using MessageHandler = std::function<Answer(const Message&)>;
    using FileHandler = std::function<QString(const FileRequest&)>;

    void nextAnswer(Answer answer);
    void nextAnswer(MessageHandler handler);
    void nextFile(const QString& path); // empty: the user cancels
    void nextFile(FileHandler handler);

    Answer ask(const Message& message) override;
    QString chooseFile(const FileRequest& request) override;
    // Counted: an answer function may wait for it, as a person would watch
    // the box go away.
    void withdraw() override { ++withdrawals; }
    int withdrawals = 0;

    QList<Message> messages;
    QList<FileRequest> fileRequests;
    // Set when a prompt came that the script had no answer for.
    QStringList unexpected;

    // Unexpected prompts and unused answers; empty when the script fit.
    QStringList misfits() const;
    // For a test that checks misfits itself: forget them so they do not fail it.
    void forgetMisfits();

private:
    std::deque<MessageHandler> m_answers;
    std::deque<FileHandler> m_files;
};
