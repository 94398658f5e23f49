// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <random>

class SequenceDocument;

// Edits at seeded random moments, for tests that run the real program and
// kill it: a window on the offscreen platform takes no input from outside.
// Built only into strobix-scripted, the tests' copy of the program, and started
// only when STROBIX_SCRIPTED_EDITS holds a seed; the pauses between
// edits are sometimes long enough for a recovery copy to be written.
class ScriptedEdits : public QObject {
public:
    static void startIfAsked(SequenceDocument& document);

private:
    ScriptedEdits(SequenceDocument& document, quint64 seed);
    void edit();

    SequenceDocument& m_document;
    std::mt19937_64 m_random;
    QTimer m_timer;
};
