// SPDX-License-Identifier: MIT
#include "DialogPrompts.h"

#include "AppInfo.h"
#include "FilePicker.h"

#include <QLoggingCategory>
#include <QMessageBox>

namespace {

// Off unless asked for (QT_LOGGING_RULES="strobix.prompts.info=true"): every
// message and question as the user reads it, for logs and for the scripts
// that drive the program where its window cannot be read (the browser
// edition writes it to the page's console).
Q_LOGGING_CATEGORY(promptsLog, "strobix.prompts", QtWarningMsg)

QMessageBox::Icon toQt(UserPrompts::Icon icon)
{
    switch (icon) {
    case UserPrompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserPrompts::Icon::Question:
        return QMessageBox::Question;
    case UserPrompts::Icon::Critical:
        return QMessageBox::Critical;
    case UserPrompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(UserPrompts::Buttons buttons)
{
    switch (buttons) {
    case UserPrompts::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case UserPrompts::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case UserPrompts::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

UserPrompts::Answer fromQt(int button, UserPrompts::Buttons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return UserPrompts::Answer::Ok;
    case QMessageBox::Yes:
        return UserPrompts::Answer::Yes;
    case QMessageBox::No:
        return UserPrompts::Answer::No;
    default:
        return buttons == UserPrompts::Buttons::Ok ? UserPrompts::Answer::Ok
                                                   : UserPrompts::Answer::Cancel;
    }
}


} // namespace

DialogPrompts::DialogPrompts(QWidget* owner)
    : m_owner(owner)
{
}

UserPrompts::Answer DialogPrompts::ask(const Message& message)
{
    qCInfo(promptsLog).noquote() << "asked:" << QString(message.text).replace(u'\r', u' ');
    QMessageBox box(toQt(message.icon),
                    message.title.isEmpty() ? AppInfo::applicationTitle() : message.title,
                    QString(message.text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    toQt(message.buttons), m_owner);
    if (message.buttons != Buttons::Ok)
        box.setEscapeButton(QMessageBox::Cancel);
    m_openBoxes.append(&box);
    const int button = box.exec();
    m_openBoxes.removeAll(&box);
    return fromQt(button, message.buttons);
}

void DialogPrompts::withdraw()
{
    if (!m_openBoxes.isEmpty() && m_openBoxes.constLast())
        m_openBoxes.constLast()->done(QMessageBox::Cancel);
}

QString DialogPrompts::chooseFile(const FileRequest& request)
{
    return FilePicker::choose(m_owner, request);
}
