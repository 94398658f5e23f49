// SPDX-License-Identifier: MIT
#include "SequenceDocument.h"

#include "RowOperations.h"
#include "SequenceEdits.h"

#include <QSignalBlocker>
#include <QUndoStack>

namespace {

// Enough for any session of editing; each step holds at most a few hundred bytes.
constexpr int UndoLimit = 1000;

PaintCellsCommand::Change change(int led, int event, int before, int after)
{
    return {static_cast<std::uint8_t>(led), static_cast<std::uint8_t>(event),
            static_cast<std::uint8_t>(before != 0), static_cast<std::uint8_t>(after != 0)};
}

QString ledName(int led)
{
    return QStringLiteral("LED#%1").arg(led + 1);
}

} // namespace

SequenceDocument::SequenceDocument(QObject* parent)
    : QObject(parent)
    , m_undoStack(new QUndoStack(this))
{
    m_undoStack->setUndoLimit(UndoLimit);
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &SequenceDocument::cleanChanged);
    connect(&m_sequence, &LedSequence::cellChanged, this, &SequenceDocument::cellChanged);
    connect(&m_sequence, &LedSequence::ledColorChanged, this, &SequenceDocument::ledColorChanged);
    connect(&m_sequence, &LedSequence::servoModeChanged, this, &SequenceDocument::servoModeChanged);
    connect(&m_sequence, &LedSequence::lastEventChanged, this, &SequenceDocument::lastEventChanged);
}

SequenceDocument::~SequenceDocument()
{
    // The commands refer to the sequence: let them go first. Quietly: the
    // document's owner is partly destroyed by now, and its slots would run
    // on members already gone.
    const QSignalBlocker quiet(m_undoStack);
    m_undoStack->clear();
}

void SequenceDocument::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(caption);
}

bool SequenceDocument::isClean() const
{
    return m_undoStack->isClean();
}

void SequenceDocument::setReadOnly(bool readOnly)
{
    if (readOnly)
        endStroke();
    m_readOnly = readOnly;
}

void SequenceDocument::toggleCell(int led, int event)
{
    if (m_readOnly || !LedSequence::isLed(led) || !LedSequence::isEvent(event))
        return;
    const int before = m_sequence.cell(led, event);
    m_undoStack->push(new PaintCellsCommand(m_sequence, {change(led, event, before, !before)},
                                            tr("Switch a cell of %1").arg(ledName(led))));
}

void SequenceDocument::beginStroke()
{
    if (m_readOnly)
        return;
    m_strokeOpen = true;
    ++m_strokeSerial;
}

void SequenceDocument::paintCell(int led, int event, int value)
{
    if (m_readOnly || !m_strokeOpen || !LedSequence::isLed(led) || !LedSequence::isEvent(event))
        return;
    const int before = m_sequence.cell(led, event);
    const int after = value != 0 ? 1 : 0;
    if (before == after)
        return;
    m_undoStack->push(new PaintCellsCommand(m_sequence, {change(led, event, before, after)},
                                            tr("Paint cells"), m_strokeSerial));
}

void SequenceDocument::endStroke()
{
    m_strokeOpen = false;
}

void SequenceDocument::applyRowOperation(int row, RowOperation operation, int otherRow)
{
    if (m_readOnly)
        return;
    std::vector<PaintCellsCommand::Change> changes;
    for (const RowOperations::CellWrite& write :
         RowOperations::plan(m_sequence, row, operation, m_sequence.lastEvent(), otherRow)) {
        const int before = m_sequence.cell(write.led, write.event);
        const int after = write.value != 0 ? 1 : 0;
        if (before != after)
            changes.push_back(change(write.led, write.event, before, after));
    }
    if (changes.empty())
        return;
    m_undoStack->push(new PaintCellsCommand(m_sequence, std::move(changes),
                                            tr("Row options of %1").arg(ledName(row))));
}

void SequenceDocument::setLedColors(LedSet leds, int colorIndex)
{
    if (m_readOnly || !ColorTable::isValid(colorIndex))
        return;
    bool changes = false;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        changes = changes || (leds.test(led) && m_sequence.ledColor(led) != colorIndex);
    if (changes)
        m_undoStack->push(new LedColorCommand(m_sequence, leds, colorIndex));
}

void SequenceDocument::setServoMode(int led, int mode)
{
    if (m_readOnly || !LedSequence::isLed(led) || !ServoControl::isValid(mode)
        || m_sequence.servoMode(led) == mode)
        return;
    m_undoStack->push(new ServoModeCommand(m_sequence, led, mode));
}

void SequenceDocument::setLastEvent(int event)
{
    if (m_readOnly || !LedSequence::isEvent(event) || m_sequence.lastEvent() == event)
        return;
    m_undoStack->push(new LastEventCommand(m_sequence, event));
}

void SequenceDocument::newSequence(const QString& caption)
{
    replaceWhole(tr("New/Clear"), [&] {
        m_rememberedFile.clear();
        setCaption(caption);
        m_sequence.clear();
    });
}

void SequenceDocument::openFile(const SequenceFile& file, const QString& path,
                                const QString& caption)
{
    replaceWhole(tr("Open"), [&] {
        file.openInto(m_sequence, m_settings);
        m_rememberedFile = path;
        setCaption(caption);
    });
}

void SequenceDocument::mergeFile(const SequenceFile& file, const QString& path,
                                 const QString& caption)
{
    replaceWhole(tr("Merge"), [&] {
        file.mergeInto(m_sequence, m_settings);
        m_rememberedFile = path;
        setCaption(caption);
    });
}

void SequenceDocument::openUnsaved(const SequenceFile& file, const QString& caption)
{
    if (m_readOnly)
        return;
    if (m_undoStack->count() == 0 && isClean()) {
        restoreRecovered(file, {}, caption);
        return;
    }
    replaceWhole(tr("Open link"), [&] {
        file.openInto(m_sequence, m_settings);
        m_rememberedFile.clear();
        setCaption(caption);
    });
}

void SequenceDocument::markSaved(const QString& path, const QString& caption)
{
    m_rememberedFile = path;
    setCaption(caption);
    m_undoStack->setClean();
}

void SequenceDocument::restoreRecovered(const SequenceFile& file, const QString& rememberedFile,
                                        const QString& caption)
{
    endStroke();
    restore({file, rememberedFile, caption});
    m_undoStack->clear();
    m_undoStack->resetClean();
}

template <typename Change> void SequenceDocument::replaceWhole(const QString& text, Change change)
{
    if (m_readOnly)
        return;
    endStroke();
    Whole before = whole();
    change();
    Whole after = whole();
    if (after == before)
        return;
    m_undoStack->push(new ReplaceSequenceCommand(*this, std::move(before), std::move(after), text));
}

SequenceDocument::Whole SequenceDocument::whole() const
{
    return {SequenceFile::capture(m_sequence, m_settings), m_rememberedFile, m_caption};
}

void SequenceDocument::restore(const Whole& state)
{
    const SequenceFile& content = state.content;
    content.replaceSequence(m_sequence);
    // Only speeds that differ are loaded: loading announces them to an open
    // settings dialog, which would drop a choice the user has not confirmed yet.
    if (content.picSpeed != m_settings.picSpeed() || content.pcSpeed != m_settings.pcSpeed())
        m_settings.loadSpeeds(content.picSpeed, content.pcSpeed);
    m_rememberedFile = state.rememberedFile;
    setCaption(state.caption);
}
