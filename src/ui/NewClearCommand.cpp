// SPDX-License-Identifier: MIT
#include "NewClearCommand.h"

#include "AppInfo.h"
#include "MainWindow.h"

#include <QAction>

NewClearCommand::NewClearCommand(MainWindow& window)
    : m_window(window)
{
    connect(window.menuNew(), &QAction::triggered, this, &NewClearCommand::run);
}

void NewClearCommand::run()
{
    m_window.setRememberedFile({});
    m_window.setWindowTitle(AppInfo::productName());
    m_window.sequence().clear();
}
