// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label that reports a left click, for the LED names that open the colour
// choice. It takes the focus with Tab, and Space or Enter click it; a list
// opened from the keyboard then follows the keyboard's rules.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // Whether the last click came from the keyboard.
    bool clickedByKey() const { return m_byKey; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_byKey = false;
};
