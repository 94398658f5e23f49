// SPDX-License-Identifier: MIT
#pragma once

#include "UserPrompts.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>

class QWidget;

// The real dialogs: QMessageBox and Qt's own file dialog, owned by a window.
class DialogPrompts : public UserPrompts {
public:
    explicit DialogPrompts(QWidget* owner);

    Answer ask(const Message& message) override;
    QString chooseFile(const FileRequest& request) override;
    void withdraw() override;

private:
    QWidget* m_owner;
    QList<QPointer<QMessageBox>> m_openBoxes; // innermost last
};
