// SPDX-License-Identifier: MIT
#include "RowOptionsController.h"

#include "RowOptionsButton.h"
#include "SequenceDocument.h"

#include <QListWidget>
#include <QPushButton>

RowOptionsController::RowOptionsController(
    SequenceDocument& document, TestPlayback& playback,
    const std::array<RowOptionsButton*, LedSequence::LedCount>& rowButtons, QListWidget* operations,
    QListWidget* copyRows)
    : m_document(document)
    , m_rowButtons(rowButtons)
    , m_operations(operations)
    , m_copyRows(copyRows)
    , m_popup(playback, [this] { cancel(); })
{
    for (int row = 0; row < LedSequence::LedCount; ++row)
        connect(rowButtons[row], &QPushButton::clicked, this, [this, row] { open(row); });
    // A click, even on the entry already selected, or Enter on an entry picks it.
    connect(m_operations, &QListWidget::itemClicked, this, &RowOptionsController::operationPicked);
    connect(m_operations, &QListWidget::itemActivated, this,
            &RowOptionsController::operationPicked);
    connect(m_copyRows, &QListWidget::itemClicked, this, &RowOptionsController::otherRowPicked);
    connect(m_copyRows, &QListWidget::itemActivated, this, &RowOptionsController::otherRowPicked);
    m_popup.watch(m_operations);
    m_popup.watch(m_copyRows);
}

RowOptionsController::~RowOptionsController() = default;

void RowOptionsController::open(int row)
{
    if (m_copyRows->isVisible()) {
        // A newer row replaces an operation that waited for its copy row.
        m_copyRows->hide();
        if (m_popup.byKeyboard())
            m_copyRows->setCurrentRow(m_keptCopyEntry);
    }
    m_popup.setOpener(m_rowButtons[row], m_rowButtons[row]->clickedByKey());
    m_row = row;
    m_step = Step::ChoosingOperation;
    m_operations->setCurrentRow(0);
    m_popup.show(m_operations);
}

void RowOptionsController::operationPicked(QListWidgetItem* item)
{
    // A style that activates on a single click reports the same pick twice.
    if (m_step != Step::ChoosingOperation)
        return;
    m_operations->hide();
    const std::optional<RowOperation> operation =
        RowOperationList::fromEntry(m_operations->row(item));
    if (operation && RowOperationList::needsOtherRow(*operation)) {
        m_pending = *operation;
        m_step = Step::ChoosingOtherRow;
        m_keptCopyEntry = m_copyRows->currentRow();
        m_popup.show(m_copyRows);
        if (m_popup.byKeyboard()) {
            // Enter alone must not copy from a row the user never chose. (Taking
            // the focus would make the first entry current: cleared after it.)
            m_copyRows->setCurrentItem(nullptr);
            m_copyRows->clearSelection();
        }
        return;
    }
    finish();
    if (operation)
        m_document.applyRowOperation(m_row, *operation);
}

void RowOptionsController::otherRowPicked(QListWidgetItem* item)
{
    if (m_step != Step::ChoosingOtherRow)
        return;
    m_copyRows->hide();
    finish();
    // Entries 0..3 name LED#1..LED#4; the empty entries and "Cancel" name no row,
    // which the copy turns into no change.
    const int entry = m_copyRows->row(item);
    const int otherRow = LedSequence::isLed(entry) ? entry : -1;
    m_document.applyRowOperation(m_row, m_pending, otherRow);
}

void RowOptionsController::finish()
{
    m_step = Step::Idle;
    m_popup.end();
}

void RowOptionsController::cancel()
{
    if (m_step == Step::ChoosingOtherRow)
        m_copyRows->setCurrentRow(m_keptCopyEntry);
    m_operations->hide();
    m_copyRows->hide();
    finish();
}
