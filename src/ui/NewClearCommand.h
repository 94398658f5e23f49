// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class MainWindow;

// File > New/Clear: forgets the file, drops the file name from the caption and
// returns the sequence to its start-up state, without asking. The colour
// table, the spare colours, the program settings, the servo stick and a
// running visual test stay as they are.
class NewClearCommand : public QObject {
    Q_OBJECT
public:
    explicit NewClearCommand(MainWindow& window);

private:
    void run();

    MainWindow& m_window;
};
