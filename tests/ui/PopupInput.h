// SPDX-License-Identifier: MIT
#pragma once

#include "TestWindow.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

// Real input for the pop-up lists: mouse clicks and keys go through the main
// window's QWindow, as they arrive from the platform, so focus and stacking count.
namespace PopupInput {

inline void clickButton(QAbstractButton* button)
{
    TestWindow::click(button, button->rect().center());
}

inline void clickEntry(QListWidget* list, int entry)
{
    TestWindow::click(list->viewport(), list->visualItemRect(list->item(entry)).center());
}

inline void pressKey(QWidget* anyWidget, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(anyWidget->window()->windowHandle(), key);
}

} // namespace PopupInput
