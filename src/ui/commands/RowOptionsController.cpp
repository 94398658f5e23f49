// SPDX-License-Identifier: MIT
#include "RowOptionsController.h"

#include "RowOptionsButton.h"
#include "SequenceDocument.h"

#include <QKeyEvent>

#include <QListWidget>
#include <QPushButton>

RowOptionsController::RowOptionsController(
    SequenceDocument& document, TestPlayback& playback,
    const std::array<RowOptionsButton*, LedSequence::LedCount>& rowButtons, QListWidget* operations,
    QListWidget* copyRows)
    : m_document(document)
    , m_playback(playback)
    , m_rowButtons(rowButtons)
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
    m_operations->installEventFilter(this);
    m_copyRows->installEventFilter(this);
}

RowOptionsController::~RowOptionsController() = default;

void RowOptionsController::open(int row)
{
    if (m_copyRows->isVisible()) {
        // A newer row replaces an operation that waited for its copy row.
        m_copyRows->hide();
        if (m_byKeyboard)
            m_copyRows->setCurrentRow(m_keptCopyEntry);
    }
    m_byKeyboard = m_rowButtons[row]->clickedByKey();
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
        m_keptCopyEntry = m_copyRows->currentRow();
        showList(m_copyRows);
        if (m_byKeyboard) {
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
    if (m_byKeyboard)
        m_rowButtons[m_row]->setFocus(Qt::OtherFocusReason);
    m_byKeyboard = false;
}

void RowOptionsController::cancel()
{
    if (m_step == Step::ChoosingOtherRow)
        m_copyRows->setCurrentRow(m_keptCopyEntry);
    m_operations->hide();
    m_copyRows->hide();
    finish();
}

bool RowOptionsController::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_operations || watched == m_copyRows) && event->type() == QEvent::KeyPress
        && m_step != Step::Idle && m_byKeyboard
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
