// SPDX-License-Identifier: MIT
#include "ScriptedEdits.h"

#include "SequenceDocument.h"

namespace {
constexpr int ShortestPauseMs = 300;
constexpr int LongestPauseMs = 3500;
} // namespace

void ScriptedEdits::startIfAsked(SequenceDocument& document)
{
    bool given = false;
    const quint64 seed = qEnvironmentVariable("STROBIX_SCRIPTED_EDITS").toULongLong(&given);
    if (given)
        new ScriptedEdits(document, seed); // lives as long as the document
}

ScriptedEdits::ScriptedEdits(SequenceDocument& document, quint64 seed)
    : QObject(&document)
    , m_document(document)
    , m_random(seed)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ScriptedEdits::edit);
    m_timer.start(ShortestPauseMs);
}

void ScriptedEdits::edit()
{
    const int led = int(m_random() % LedSequence::LedCount);
    const int event = int(m_random() % LedSequence::EventCount);
    m_document.toggleCell(led, event);
    m_timer.start(ShortestPauseMs + int(m_random() % (LongestPauseMs - ShortestPauseMs)));
}
