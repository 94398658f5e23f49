// SPDX-License-Identifier: MIT
#pragma once

#include "SequenceDocument.h"

// A start state for a test, set up as a file would bring it: the changes go to a
// copy, which the document then takes with a fresh, clean history, as work
// brought back and saved. Written when the set-up goes out of scope.
class SequenceSetUp {
public:
    explicit SequenceSetUp(SequenceDocument& document)
        : m_document(document)
    {
        SequenceFile::capture(document.sequence(), document.settings()).replaceSequence(m_copy);
    }
    ~SequenceSetUp()
    {
        const QString file = m_document.rememberedFile();
        const QString caption = m_document.caption();
        m_document.restoreRecovered(SequenceFile::capture(m_copy, m_document.settings()), file,
                                    caption);
        m_document.markSaved(file, caption);
    }
    SequenceSetUp(const SequenceSetUp&) = delete;
    SequenceSetUp& operator=(const SequenceSetUp&) = delete;

    LedSequence* operator->() { return &m_copy; }
    LedSequence& sequence() { return m_copy; }

private:
    SequenceDocument& m_document;
    LedSequence m_copy;
};
