// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class BusyState;
class FileCommands;
class QMimeData;
class QWidget;

// A data file dropped on the main window opens as Open would open it. Taken
// only for a single local *.dat file, and not while a download runs.
class FileDropHandler : public QObject {
    Q_OBJECT
public:
    FileDropHandler(QWidget& window, FileCommands& commands, const BusyState& busy);

    // The file a drop would open; empty when the drop is not taken.
    QString droppedFile(const QMimeData* data) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    FileCommands& m_commands;
    const BusyState& m_busy;
};
