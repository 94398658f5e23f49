// SPDX-License-Identifier: MIT
#pragma once

#include "SequenceFile.h"
#include "SequenceFileWriter.h"
#include "UserPrompts.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QAction;
class QProgressBar;
class SequenceDocument;
class TestPlayback;

// The Open, Save and Merge commands of the main window.
//
// No work is ever lost: Save replaces a file only once the new one is
// completely on disk and reports every failure; Open and Merge check the whole
// file before touching the sequence, so a rejected file changes nothing (not
// the sequence, the settings, the caption or the remembered file).
class FileCommands : public QObject {
    Q_OBJECT
public:
    struct Triggers {
        QAction* open;
        QAction* save;
        QAction* merge;
    };

    FileCommands(SequenceDocument& document, UserPrompts& prompts, TestPlayback& playback,
                 QProgressBar* progressBar, const Triggers& triggers);
    ~FileCommands() override;

    static QString openTitle();
    static QString saveTitle();
    static QString mergeTitle();
    // Two choices: the data files (matched without regard to case) and all files.
    static QString filter();

    void open();
    void save();
    void merge();
    // Open without the file dialog: a file named on the command line or dropped
    // on the window.
    void openFile(const QString& path);
    // A sequence given as a link (...#seq=...) on the command line: untitled
    // and unsaved, so Save asks for a name. A link that is not whole changes
    // nothing and says why.
    void openLink(const QString& link);

private:
    enum class RunningTest { Stop, KeepPlaying };
    using ApplyFile = void (SequenceDocument::*)(const SequenceFile&, const QString& path,
                                                 const QString& caption);

    // Open and Merge: choose a file, check all of it, then apply it.
    void load(const QString& title, RunningTest runningTest, ApplyFile apply);
    void loadChosen(const QString& path, ApplyFile apply);
    QString chooseFile(UserPrompts::FileRequest::Mode mode, const QString& title,
                       const QString& initialName);
    // The path to save to, after the replace question; empty when the user
    // cancelled or answered No.
    QString chooseSaveTarget();
    std::optional<SequenceFile> readChecked(const QString& path);
    bool write(const QString& path);
    static QString captionFor(const QString& path);
    void showProblem(const QString& text);

    SequenceDocument& m_document;
    UserPrompts& m_prompts;
    TestPlayback& m_playback;
    QProgressBar* m_progressBar;
};
