// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "ProgramSettings.h"
#include "RowOperations.h"
#include "SequenceFile.h"

#include <QObject>
#include <QString>

#include <bitset>

class QUndoStack;

// The sequence being edited, with everything an edit can change and undo can
// bring back: the cells, colours, spare colours, servo modes and last event,
// the two speeds a data file carries (in the program settings it owns), and
// the file identity (the file Save offers next and the caption's file name).
//
// Every edit goes through the methods below and becomes one step on the undo
// stack; an edit that would change nothing leaves no step. Views follow the
// document's signals, which pass on the sequence's own.
class SequenceDocument : public QObject {
    Q_OBJECT
public:
    using LedSet = std::bitset<LedSequence::LedCount>;

    explicit SequenceDocument(QObject* parent = nullptr);
    ~SequenceDocument() override;

    const LedSequence& sequence() const { return m_sequence; }
    ProgramSettings& settings() { return m_settings; }
    const ProgramSettings& settings() const { return m_settings; }
    QUndoStack& undoStack() { return *m_undoStack; }

    // The file Save offers next; empty after New/Clear.
    QString rememberedFile() const { return m_rememberedFile; }
    // Remembering a name is not an edit (Save remembers one even when it fails).
    void setRememberedFile(const QString& path) { m_rememberedFile = path; }
    // The window caption that goes with the sequence.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // Whether the sequence is as it was last saved (or as the program started).
    bool isClean() const;

    // While a download asks or sends, what the screen shows must be what the
    // device gets: every edit is refused.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // Cell edits. A stroke gathers the cells it paints into one step.
    void toggleCell(int led, int event);
    void beginStroke();
    void paintCell(int led, int event, int value);
    void endStroke();

    void applyRowOperation(int row, RowOperation operation, int otherRow = -1);
    void setLedColors(LedSet leds, int colorIndex);
    void setServoMode(int led, int mode);
    void setLastEvent(int event);

    // New/Clear: the start-up sequence, no file.
    void newSequence(const QString& caption);
    // A checked file replaces (Open) or joins (Merge) the sequence and becomes
    // the remembered file, named in the caption.
    void openFile(const SequenceFile& file, const QString& path, const QString& caption);
    void mergeFile(const SequenceFile& file, const QString& path, const QString& caption);
    // A sequence that comes from no file (a link): untitled and unsaved, as if
    // made here. The history starts with it, unless Undo must still reach
    // work already in the window.
    void openUnsaved(const SequenceFile& file, const QString& caption);
    // After a successful Save: the file is remembered and the stack is clean.
    void markSaved(const QString& path, const QString& caption);
    // Work brought back after a crash: the history starts here, and the
    // sequence counts as unsaved until it is saved.
    void restoreRecovered(const SequenceFile& file, const QString& rememberedFile,
                          const QString& caption);

signals:
    void captionChanged(const QString& caption);
    void cleanChanged(bool clean);
    void cellChanged(int led, int event);
    void ledColorChanged(int led);
    void servoModeChanged(int led);
    void lastEventChanged(int previous, int current);

private:
    friend class ReplaceSequenceCommand;
    struct Whole {
        SequenceFile content;
        QString rememberedFile;
        QString caption;
        friend bool operator==(const Whole& a, const Whole& b)
        {
            return a.content == b.content && a.rememberedFile == b.rememberedFile
                   && a.caption == b.caption;
        }
    };
    Whole whole() const;
    void restore(const Whole& state);
    template <typename Change> void replaceWhole(const QString& text, Change change);

    LedSequence m_sequence;
    ProgramSettings m_settings;
    QUndoStack* m_undoStack;
    QString m_rememberedFile;
    QString m_caption;
    bool m_readOnly = false;
    bool m_strokeOpen = false;
    int m_strokeSerial = 0;
};
