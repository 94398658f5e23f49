// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// The small button at the start of each LED row that opens the row's options.
// It carries a little arrow so it does not pass for one more grid cell. Space,
// Enter and Return press it; a list opened from the keyboard then follows the
// keyboard's rules.
class RowOptionsButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Whether the last click came from the keyboard.
    bool clickedByKey() const { return m_byKey; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_byKey = false;
};
