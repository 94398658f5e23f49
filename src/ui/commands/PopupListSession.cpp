// SPDX-License-Identifier: MIT
#include "PopupListSession.h"

#include <QKeyEvent>
#include <QListWidget>

PopupListSession::PopupListSession(TestPlayback& playback, std::function<void()> escaped)
    : m_playback(playback)
    , m_escaped(std::move(escaped))
{
}

void PopupListSession::watch(QListWidget* list)
{
    list->installEventFilter(this);
}

void PopupListSession::setOpener(QWidget* opener, bool byKeyboard)
{
    m_opener = opener;
    m_byKeyboard = byKeyboard;
}

void PopupListSession::show(QListWidget* list)
{
    list->show();
    list->raise();
    list->setFocus(Qt::PopupFocusReason);
    if (!m_hold)
        m_hold.emplace(&m_playback);
}

void PopupListSession::end()
{
    m_hold.reset();
    if (m_byKeyboard && m_opener)
        m_opener->setFocus(Qt::OtherFocusReason);
    m_byKeyboard = false;
}

bool PopupListSession::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isOpen() && m_byKeyboard
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_escaped();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
