// SPDX-License-Identifier: MIT
#include "FileDropHandler.h"

#include "BusyState.h"
#include "FileCommands.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

FileDropHandler::FileDropHandler(QWidget& window, FileCommands& commands, const BusyState& busy)
    : m_window(window)
    , m_commands(commands)
    , m_busy(busy)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QString FileDropHandler::droppedFile(const QMimeData* data) const
{
    if (m_busy.isDownloading() || !data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

bool FileDropHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (droppedFile(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Let the drag end first: opening may show a message box.
        QTimer::singleShot(0, this, [this, path] { m_commands.openFile(path); });
        return true;
    }
    default:
        return false;
    }
}
