// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// The small button at the start of each LED row that opens the row's options.
// It carries a little arrow so it does not pass for one more grid cell.
class RowOptionsButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
