// SPDX-License-Identifier: MIT
#pragma once

#include "FileJobs.h"
#include "RecoveryStore.h"

#include <QObject>
#include <QTimer>

#include <memory>

class SequenceDocument;
class UserPrompts;

// Keeps a recovery copy of the document while it has unsaved changes, and on
// start offers back the copies of programs that died without closing.
//
// A copy is written once edits pause for QuietMs, or LongestWaitMs after the
// first edit not yet in a copy if they never pause. The GUI thread only
// encodes the sequence; the files are written and synced on a thread of their
// own, one write at a time and in order with the removals.
class RecoveryController : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietMs = 2000;
    static constexpr int LongestWaitMs = 6000;

    RecoveryController(SequenceDocument& document, UserPrompts& prompts,
                       std::unique_ptr<RecoveryStore> store);
    // The program ends normally: its copy goes.
    ~RecoveryController() override;

    // Asks about each copy left by a program that no longer runs.
    void offerLeftCopies();
    // Tests shorten the waits.
    void setDelays(int quietMs, int longestWaitMs);

    const RecoveryStore& store() const { return *m_store; }

    // waiting: how many more readable copies there are; one window takes one.
    static QString restoreQuestion(const QDateTime& written, const QString& rememberedFile,
                                   int waiting = 0);
    static QString unreadableMessage(const QString& problem, const QString& asidePath);
    static QString unavailableMessage(const QString& folder, const QString& reason);

signals:
    // The copy on disk now holds this state.
    void copyWritten(const RecoveryStore::Copy& copy);

private slots:
    // What the GUI thread does for one copy (the benchmark calls it by name).
    void writeCopy();

private:
    bool worthKeeping() const;
    void documentChanged();
    void removeCopy();
    void writeFinished(const QString& error);
    bool offer(RecoveryStore::LeftCopy left, const RecoveryStore::Reading& reading, int waiting);
    void setAside(RecoveryStore::LeftCopy left, const QString& problem);
    RecoveryStore::Copy currentCopy() const;

    SequenceDocument& m_document;
    UserPrompts& m_prompts;
    std::shared_ptr<RecoveryStore> m_store;
    QTimer m_quiet;
    QTimer m_longestWait;
    std::optional<RecoveryStore::Copy> m_lastPosted;
    bool m_failed = false;
    // Declared last: it is waited for before the rest goes.
    FileJobs m_writer;
};
