// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class SequenceDocument;

// File > New/Clear: forgets the file, drops the file name from the caption and
// returns the sequence to its start-up state, without asking. The colour
// table, the spare colours, the program settings, the servo stick and a
// running visual test stay as they are. Undo brings the sequence back.
class NewClearCommand : public QObject {
    Q_OBJECT
public:
    NewClearCommand(SequenceDocument& document, QAction* trigger);

private:
    void run();

    SequenceDocument& m_document;
};
