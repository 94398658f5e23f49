#include "DialogPrompts.h"

#include "AppInfo.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

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
    QMessageBox box(toQt(message.icon),
                    message.title.isEmpty() ? AppInfo::applicationTitle() : message.title,
                    QString(message.text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    toQt(message.buttons), m_owner);
    if (message.buttons != Buttons::Ok)
        box.setEscapeButton(QMessageBox::Cancel);
    return fromQt(box.exec(), message.buttons);
}

QString DialogPrompts::chooseFile(const FileRequest& request)
{
    QFileDialog dialog(m_owner, request.title, QString(), request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The program asks its own replace question and never adds an extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (request.mode == FileRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
