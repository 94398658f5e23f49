#pragma once

#include <QObject>
#include <QString>

class MainWindow;
class QMimeData;

// A data file dropped on the main window opens as Open would open it. Taken
// only while Open itself is available (not during a download) and only for a
// single local *.dat file.
class FileDropHandler : public QObject {
    Q_OBJECT
public:
    explicit FileDropHandler(MainWindow& window);

    // The file a drop would open; empty when the drop is not taken.
    QString droppedFile(const QMimeData* data) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& m_window;
};
