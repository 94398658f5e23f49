// SPDX-License-Identifier: MIT
#include "ScriptedPrompts.h"

#include <QTest>

ScriptedPrompts::~ScriptedPrompts()
{
    const QStringList problems = misfits();
    if (problems.isEmpty() || QTest::currentTestFailed() || !QTest::currentTestFunction())
        return;
    QTest::qFail(qPrintable(QStringLiteral("the scripted prompts did not fit the run: ")
                            + problems.join(QStringLiteral("; "))),
                 __FILE__, __LINE__);
}

QStringList ScriptedPrompts::misfits() const
{
    QStringList problems = unexpected;
    if (!m_answers.empty())
        problems << QStringLiteral("%1 message answer(s) left unused").arg(m_answers.size());
    if (!m_files.empty())
        problems << QStringLiteral("%1 file answer(s) left unused").arg(m_files.size());
    return problems;
}

void ScriptedPrompts::forgetMisfits()
{
    unexpected.clear();
    m_answers.clear();
    m_files.clear();
}

void ScriptedPrompts::nextAnswer(Answer answer)
{
    m_answers.push_back([answer](const Message&) { return answer; });
}

void ScriptedPrompts::nextAnswer(MessageHandler handler)
{
    m_answers.push_back(std::move(handler));
}

void ScriptedPrompts::nextFile(const QString& path)
{
    m_files.push_back([path](const FileRequest&) { return path; });
}

void ScriptedPrompts::nextFile(FileHandler handler)
{
    m_files.push_back(std::move(handler));
}

UserPrompts::Answer ScriptedPrompts::ask(const Message& message)
{
    messages.append(message);
    if (m_answers.empty()) {
        unexpected << QStringLiteral("message: ") + message.text;
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    MessageHandler handler = std::move(m_answers.front());
    m_answers.pop_front();
    return handler(message);
}

QString ScriptedPrompts::chooseFile(const FileRequest& request)
{
    fileRequests.append(request);
    if (m_files.empty()) {
        unexpected << QStringLiteral("file dialog: ") + request.title;
        return {};
    }
    FileHandler handler = std::move(m_files.front());
    m_files.pop_front();
    return handler(request);
}
