// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "PopupListSession.h"
#include "RowOperations.h"

#include <QObject>

#include <array>

class QListWidget;
class QListWidgetItem;
class RowOptionsButton;
class SequenceDocument;
class TestPlayback;

// The row-option buttons RowOptions0..RowOptions3 and their pop-up lists.
//
// A click on a row's button opens RowOptionsList on its first entry; the
// operation then waits, without blocking the window, until an entry of the list
// is clicked or activated with the keyboard. The copy entries wait a second
// time for CopyList, which keeps the entry it last had. The last event is read
// only when the operation is finally applied, so a marker moved while a list
// was open counts. A running visual test is held while a list is open.
//
// A row button clicked while a list is still open replaces the pending
// operation: the list reopens on its first entry for the newer row, and the
// earlier row gets nothing. One visible list stands for exactly one pending
// operation, so a single pick can never change two rows.
//
// Lists opened from the keyboard (Space or Enter on a focused row button)
// follow the keyboard's rules: arrows move, Enter picks, Escape closes without
// acting, the copy list opens with no entry that Enter alone would pick, and
// the focus goes back to the row button.
class RowOptionsController : public QObject {
    Q_OBJECT
public:
    RowOptionsController(SequenceDocument& document, TestPlayback& playback,
                         const std::array<RowOptionsButton*, LedSequence::LedCount>& rowButtons,
                         QListWidget* operations, QListWidget* copyRows);
    ~RowOptionsController() override;

private:
    enum class Step { Idle, ChoosingOperation, ChoosingOtherRow };

    void open(int row);
    void operationPicked(QListWidgetItem* item);
    void otherRowPicked(QListWidgetItem* item);
    void finish();
    void cancel();

    SequenceDocument& m_document;
    std::array<RowOptionsButton*, LedSequence::LedCount> m_rowButtons;
    QListWidget* m_operations;
    QListWidget* m_copyRows;
    Step m_step = Step::Idle;
    int m_row = -1;
    RowOperation m_pending = RowOperation::ClearAll;
    int m_keptCopyEntry = -1;
    PopupListSession m_popup;
};
