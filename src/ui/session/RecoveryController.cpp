// SPDX-License-Identifier: MIT
#include "RecoveryController.h"

#include "SequenceDocument.h"
#include "SequenceFileWriter.h"
#include "UserPrompts.h"

#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace {

// Off unless asked for (QT_LOGGING_RULES="strobix.recovery.info=true"): what
// is written and offered, for tests that run the program and kill it.
Q_LOGGING_CATEGORY(recoveryLog, "strobix.recovery", QtWarningMsg)

// What New/Clear leaves (it keeps spare colours and speeds): nothing worth a copy.
bool isBlank(const SequenceFile& file)
{
    SequenceFile blank = file;
    blank.events.fill(0);
    blank.ledColors.fill(ColorTable::White);
    blank.lastEvent = LedSequence::DefaultLastEvent;
    blank.servoModes.fill(ServoControl::None);
    return file == blank;
}

bool sameCopy(const RecoveryStore::Copy& a, const RecoveryStore::Copy& b)
{
    return a.data == b.data && a.rememberedFile == b.rememberedFile && a.caption == b.caption;
}

} // namespace

RecoveryController::RecoveryController(SequenceDocument& document, UserPrompts& prompts,
                                       std::unique_ptr<RecoveryStore> store)
    : m_document(document)
    , m_prompts(prompts)
    , m_store(std::move(store))
{
    m_quiet.setSingleShot(true);
    m_longestWait.setSingleShot(true);
    setDelays(QuietMs, LongestWaitMs);
    connect(&m_quiet, &QTimer::timeout, this, &RecoveryController::writeCopy);
    connect(&m_longestWait, &QTimer::timeout, this, &RecoveryController::writeCopy);

    QUndoStack& stack = m_document.undoStack();
    connect(&stack, &QUndoStack::indexChanged, this, &RecoveryController::documentChanged);
    connect(&stack, &QUndoStack::cleanChanged, this, &RecoveryController::documentChanged);
    connect(&m_document, &SequenceDocument::captionChanged, this,
            &RecoveryController::documentChanged);
    // The speeds change in the settings dialog too, outside the undo history.
    const ProgramSettings& settings = m_document.settings();
    connect(&settings, &ProgramSettings::picSpeedChanged, this,
            &RecoveryController::documentChanged);
    connect(&settings, &ProgramSettings::pcSpeedChanged, this,
            &RecoveryController::documentChanged);
}

RecoveryController::~RecoveryController()
{
    m_writer.waitForDone();
    m_store->release();
}

void RecoveryController::setDelays(int quietMs, int longestWaitMs)
{
    m_quiet.setInterval(quietMs);
    m_longestWait.setInterval(longestWaitMs);
}

QString RecoveryController::restoreQuestion(const QDateTime& written, const QString& rememberedFile,
                                            int waiting)
{
    const QString name = rememberedFile.isEmpty() ? tr("a sequence not saved yet")
                                                  : QFileInfo(rememberedFile).fileName();
    QString others;
    if (waiting == 1)
        others = tr("\r\rUnsaved work of another window was kept too. After Yes it waits for the "
                    "next start; after No or Cancel Strobix offers it now.");
    else if (waiting > 1)
        others = tr("\r\rUnsaved work of %1 other windows was kept too. After Yes it waits for "
                    "the next start; after No or Cancel Strobix offers the next one now.")
                     .arg(waiting);
    //: %1 when the copy was written, %2 the file name or "a sequence not saved yet"
    return tr("Strobix was not closed normally. Unsaved work was kept from %1:\r\r   %2\r\r"
              "Yes restores it in this window; it stays unsaved until you save it.\r"
              "No discards it for good.\r"
              "Cancel keeps it for later: Strobix asks again at the next start.")
               .arg(QLocale().toString(written, QLocale::ShortFormat), name)
           + others;
}

QString RecoveryController::unreadableMessage(const QString& problem, const QString& asidePath)
{
    return tr("A recovery copy of unsaved work cannot be read:\r%1\r\r"
              "It was put aside as\r%2\r\r"
              "Strobix starts without it. If it still holds a sequence, open it with Open; "
              "otherwise delete it.")
        .arg(problem, asidePath);
}

QString RecoveryController::unavailableMessage(const QString& folder, const QString& reason)
{
    return tr("Strobix cannot keep a recovery copy of your unsaved work in\r%1\r%2\r\r"
              "It goes on working without one until it is started again: save your work "
              "often. To have recovery copies again, free some disk space or make that "
              "folder writable.")
        .arg(folder, reason);
}

bool RecoveryController::worthKeeping() const
{
    if (m_document.isClean())
        return false;
    return !m_document.rememberedFile().isEmpty()
           || !isBlank(SequenceFile::capture(m_document.sequence(), m_document.settings()));
}

void RecoveryController::documentChanged()
{
    if (m_failed)
        return;
    if (!worthKeeping()) {
        removeCopy();
        return;
    }
    m_quiet.start();
    if (!m_longestWait.isActive())
        m_longestWait.start();
}

RecoveryStore::Copy RecoveryController::currentCopy() const
{
    const SequenceFile file = SequenceFile::capture(m_document.sequence(), m_document.settings());
    return {SequenceFileWriter::encode(file), m_document.rememberedFile(), m_document.caption()};
}

void RecoveryController::writeCopy()
{
    m_quiet.stop();
    m_longestWait.stop();
    if (m_failed || !worthKeeping())
        return;
    RecoveryStore::Copy copy = currentCopy();
    if (m_lastPosted && sameCopy(copy, *m_lastPosted))
        return;
    m_lastPosted = copy;
    qCInfo(recoveryLog).noquote() << "writing" << copy.data.toBase64() << copy.rememberedFile;
    m_writer.start([this, store = m_store, copy] {
        const QString error = store->write(copy);
        QMetaObject::invokeMethod(
            this,
            [this, error, copy] {
                writeFinished(error);
                if (error.isEmpty())
                    emit copyWritten(copy);
            },
            Qt::QueuedConnection);
    });
}

void RecoveryController::removeCopy()
{
    m_quiet.stop();
    m_longestWait.stop();
    if (!m_lastPosted)
        return;
    m_lastPosted.reset();
    qCInfo(recoveryLog) << "removing";
    m_writer.start([store = m_store] { store->removeOwn(); });
}

void RecoveryController::writeFinished(const QString& error)
{
    if (error.isEmpty()) {
        qCInfo(recoveryLog) << "written";
        return;
    }
    if (m_failed)
        return;
    m_failed = true; // said once; the program goes on without copies
    qCWarning(recoveryLog).noquote() << "no recovery copy:" << error;
    m_prompts.ask({QString(), unavailableMessage(m_store->folder(), error),
                   UserPrompts::Icon::Exclamation, UserPrompts::Buttons::Ok});
}

void RecoveryController::offerLeftCopies()
{
    std::vector<RecoveryStore::LeftCopy> copies = m_store->takeLeftCopies();
    // All read first: the question says how many wait behind the one it offers.
    std::vector<RecoveryStore::Reading> readings;
    for (const RecoveryStore::LeftCopy& left : copies)
        readings.push_back(m_store->read(left));
    bool restored = false;
    for (std::size_t index = 0; index < copies.size(); ++index) {
        if (!readings[index].ok()) {
            setAside(std::move(copies[index]), readings[index].problem);
        } else if (restored) { // one window holds one sequence; the others wait
            m_store->keep(std::move(copies[index]));
        } else {
            const auto waiting =
                std::count_if(readings.begin() + qsizetype(index) + 1, readings.end(),
                              std::mem_fn(&RecoveryStore::Reading::ok));
            restored = offer(std::move(copies[index]), readings[index], int(waiting));
        }
    }
}

bool RecoveryController::offer(RecoveryStore::LeftCopy left, const RecoveryStore::Reading& reading,
                               int waiting)
{
    qCInfo(recoveryLog).noquote() << "offering" << left.id;
    const UserPrompts::Answer answer = m_prompts.ask(
        {QString(), restoreQuestion(left.written, reading.copy->rememberedFile, waiting),
         UserPrompts::Icon::Question, UserPrompts::Buttons::YesNoCancel});
    switch (answer) {
    case UserPrompts::Answer::Yes:
        m_document.restoreRecovered(*reading.file, reading.copy->rememberedFile,
                                    reading.copy->caption);
        m_store->adopt(std::move(left));
        m_lastPosted = reading.copy; // already on disk
        return true;
    case UserPrompts::Answer::No:
        m_store->discard(std::move(left));
        return false;
    default:
        m_store->keep(std::move(left));
        return false;
    }
}

void RecoveryController::setAside(RecoveryStore::LeftCopy left, const QString& problem)
{
    const QString aside = m_store->setAside(std::move(left));
    qCWarning(recoveryLog).noquote() << "unreadable copy put aside:" << aside << problem;
    m_prompts.ask({QString(), unreadableMessage(problem, aside), UserPrompts::Icon::Exclamation,
                   UserPrompts::Buttons::Ok});
}
