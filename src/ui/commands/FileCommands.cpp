// SPDX-License-Identifier: MIT
#include "FileCommands.h"

#include "AppInfo.h"
#include "ManualLocation.h"
#include "ProgressBarShown.h"
#include "SequenceDocument.h"
#include "SequenceFileReader.h"
#include "SequenceLink.h"
#include "TestPlayback.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {

// An example is installed read-only: Save offers its name in the user's own
// folder, the one a new sequence's Save starts in, instead.
QString offeredSaveName(const QString& remembered)
{
    if (remembered.isEmpty() || !ManualLocation::isExample(remembered))
        return remembered;
    const QString working = QDir::currentPath();
    const bool workingFits =
        QFileInfo(working).isWritable() && !ManualLocation::isExamplesFolder(working);
    const QDir own = workingFits ? QDir::current() : QDir::home();
    return own.filePath(QFileInfo(remembered).fileName());
}

} // namespace

FileCommands::FileCommands(SequenceDocument& document, UserPrompts& prompts, TestPlayback& playback,
                           QProgressBar* progressBar, const Triggers& triggers)
    : QObject()
    , m_document(document)
    , m_prompts(prompts)
    , m_playback(playback)
    , m_progressBar(progressBar)
{
    connect(triggers.open, &QAction::triggered, this, &FileCommands::open);
    connect(triggers.save, &QAction::triggered, this, &FileCommands::save);
    connect(triggers.merge, &QAction::triggered, this, &FileCommands::merge);
}

FileCommands::~FileCommands() = default;

QString FileCommands::openTitle()
{
    return tr("Open STROBIX Programmable LED Sequencer/Flasher Data File");
}

QString FileCommands::saveTitle()
{
    return tr("Save STROBIX Programmable LED Sequencer/Flasher Data File");
}

QString FileCommands::mergeTitle()
{
    return tr("Merge STROBIX Programmable LED Sequencer/Flasher Data File");
}

QString FileCommands::filter()
{
    return tr("Data Files (*.DAT);;All Files (*.*)");
}

void FileCommands::open()
{
    load(openTitle(), RunningTest::Stop, &SequenceDocument::openFile);
}

void FileCommands::merge()
{
    // A running test goes on and plays the merged sequence.
    load(mergeTitle(), RunningTest::KeepPlaying, &SequenceDocument::mergeFile);
}

void FileCommands::load(const QString& title, RunningTest runningTest, ApplyFile apply)
{
    if (runningTest == RunningTest::Stop)
        m_playback.stop();
    const QString path = chooseFile(UserPrompts::FileRequest::Mode::Open, title, {});
    if (!path.isEmpty())
        loadChosen(path, apply);
}

void FileCommands::openFile(const QString& path)
{
    m_playback.stop();
    loadChosen(path, &SequenceDocument::openFile);
}

void FileCommands::openLink(const QString& link)
{
    m_playback.stop();
    const SequenceLink::Decoded decoded = SequenceLink::decode(link);
    if (!decoded.ok()) {
        // A link run together with a page of text would make the box as wide.
        constexpr int MaxShown = 80;
        QString shown = link.trimmed();
        if (shown.size() > MaxShown)
            shown = shown.left(MaxShown - 3) + QStringLiteral("...");
        showProblem(
            tr("Cannot open the link %1\r%2\rNothing was changed.").arg(shown, decoded.text));
        return;
    }
    m_document.openUnsaved(*decoded.file, AppInfo::productName());
}

void FileCommands::loadChosen(const QString& path, ApplyFile apply)
{
    const std::optional<SequenceFile> file = readChecked(path);
    if (!file)
        return;
    (m_document.*apply)(*file, path, captionFor(path));
}

void FileCommands::save()
{
    m_playback.stop();
    const QString path = chooseSaveTarget();
    if (path.isEmpty())
        return;
    if (write(path))
        m_document.markSaved(path, captionFor(path));
}

QString FileCommands::chooseFile(UserPrompts::FileRequest::Mode mode, const QString& title,
                                 const QString& initialName)
{
    return m_prompts.chooseFile({mode, title, filter(), initialName});
}

QString FileCommands::chooseSaveTarget()
{
    QString offered = offeredSaveName(m_document.rememberedFile());
    for (;;) {
        const QString path = chooseFile(UserPrompts::FileRequest::Mode::Save, saveTitle(), offered);
        if (path.isEmpty())
            return {};
        // Save offers this name next time, whatever happens to this save.
        m_document.setRememberedFile(path);
        // Whatever a save cannot replace is refused by the save itself,
        // without first asking whether to replace it.
        if (!QFileInfo::exists(path) || !SequenceFileWriter::canSaveTo(path))
            return path;
        const UserPrompts::Answer answer =
            m_prompts.ask({QString(), tr("Replace existing file - %1?").arg(path),
                           UserPrompts::Icon::Question, UserPrompts::Buttons::YesNoCancel});
        if (answer == UserPrompts::Answer::Yes)
            return path;
        if (answer != UserPrompts::Answer::Cancel)
            return {};
        offered = path; // Cancel: choose again, starting from this name
    }
}

std::optional<SequenceFile> FileCommands::readChecked(const QString& path)
{
    SequenceFileReader::Result result;
    {
        const ProgressBarShown progress(m_progressBar);
        result = SequenceFileReader::read(path, std::cref(progress));
    }
    if (!result.ok()) {
        showProblem(tr("Cannot read %1\r%2\rNothing was changed.").arg(path, result.problem));
        return std::nullopt;
    }
    return result.file;
}

bool FileCommands::write(const QString& path)
{
    const SequenceFile file = SequenceFile::capture(m_document.sequence(), m_document.settings());
    // Only a file that was there can have been kept.
    const bool fileWasThere = QFileInfo(path).isFile();
    SequenceFileWriter::Result result;
    {
        const ProgressBarShown progress(m_progressBar);
        result = SequenceFileWriter::save(path, file, std::cref(progress));
    }
    if (!result.ok) {
        const QString outcome =
            fileWasThere ? tr("The sequence was not saved; an existing file of that name was "
                              "left as it was.")
                         : tr("The sequence was not saved.");
        showProblem(tr("Cannot save %1\r%2\r%3").arg(path, result.error, outcome));
        return false;
    }
    return true;
}

QString FileCommands::captionFor(const QString& path)
{
    return AppInfo::fileCaptionPrefix() + QFileInfo(path).fileName();
}

void FileCommands::showProblem(const QString& text)
{
    m_prompts.ask({QString(), text, UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok});
}
