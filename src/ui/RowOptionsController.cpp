// SPDX-License-Identifier: MIT
#include "RowOptionsController.h"

#include "SequenceDocument.h"

#include <QListWidget>
#include <QPushButton>

RowOptionsController::RowOptionsController(SequenceDocument& document, TestPlayback& playback,
                                           const std::array<QPushButton*, 4>& rowButtons,
                                           QListWidget* operations, QListWidget* copyRows)
    : m_document(document)
    , m_playback(playback)
    , m_operations(operations)
    , m_copyRows(copyRows)
{
    for (int row = 0; row < LedSequence::LedCount; ++row)
        connect(rowButtons[row], &QPushButton::clicked, this, [this, row] { open(row); });
    // A click, even on the entry already selected, or Enter on an entry picks it.
    connect(m_operations, &QListWidget::itemClicked, this, &RowOptionsController::operationPicked);
    connect(m_operations, &QListWidget::itemActivated, this,
            &RowOptionsController::operationPicked);
    connect(m_copyRows, &QListWidget::itemClicked, this, &RowOptionsController::otherRowPicked);
    connect(m_copyRows, &QListWidget::itemActivated, this, &RowOptionsController::otherRowPicked);
}

RowOptionsController::~RowOptionsController() = default;

void RowOptionsController::open(int row)
{
    m_copyRows->hide(); // a newer row replaces an operation that waited for its copy row
    m_row = row;
    m_step = Step::ChoosingOperation;
    m_operations->setCurrentRow(0);
    showList(m_operations);
    if (!m_hold)
        m_hold.emplace(&m_playback);
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
        showList(m_copyRows);
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

void RowOptionsController::showList(QListWidget* list)
{
    list->show();
    list->raise();
    list->setFocus(Qt::PopupFocusReason);
}

void RowOptionsController::finish()
{
    m_step = Step::Idle;
    m_hold.reset();
}
