// SPDX-License-Identifier: MIT
#pragma once

#include "PlaybackHold.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QListWidget;
class QWidget;
class TestPlayback;

// What the pop-up lists behind the LED labels and the row buttons share: a
// running visual test is held while one is open; one opened from the keyboard
// closes on Escape without a choice and gives the focus back to the control
// that opened it.
class PopupListSession : public QObject {
    Q_OBJECT
public:
    PopupListSession(TestPlayback& playback, std::function<void()> escaped);

    // Escape on this list, opened from the keyboard, calls `escaped`.
    void watch(QListWidget* list);
    void setOpener(QWidget* opener, bool byKeyboard);
    // Shows the list on top with the focus, and holds the test if not yet held.
    void show(QListWidget* list);
    // Releases the test and, after keyboard use, focuses the opener again.
    void end();

    bool isOpen() const { return m_hold.has_value(); }
    bool byKeyboard() const { return m_byKeyboard; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TestPlayback& m_playback;
    std::function<void()> m_escaped;
    std::optional<PlaybackHold> m_hold;
    QPointer<QWidget> m_opener;
    bool m_byKeyboard = false;
};
