// SPDX-License-Identifier: MIT
#include "DialogPrompts.h"

#include "AppInfo.h"
#include "ManualLocation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>

#include <memory>

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

// The patterns of a filter choice "Label (*.a *.b)", read the way users of
// these files expect: "*.*" lists every file, with or without an extension.
QStringList patternsOf(const QString& choice)
{
    const qsizetype open = choice.lastIndexOf(QLatin1Char('('));
    const qsizetype close = choice.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {QStringLiteral("*")};
    QStringList patterns =
        choice.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    return patterns;
}

// Qt's own dialog lists files by the patterns of the chosen filter, and in a
// save dialog it rewrites the extension of the typed name whenever the filter
// changes ("a.dat" becomes "a.*"). The name is the user's: keep it as typed,
// and list by patterns that match without regard to case.
void useFilterPatternsOnly(QFileDialog& dialog)
{
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!model || !types || !name)
        return;
    model->setNameFilters(patternsOf(dialog.selectedNameFilter()));
    auto typedName = std::make_shared<QString>();
    // The combo box reports the new index before the dialog acts on it.
    QObject::connect(types, &QComboBox::currentIndexChanged, name,
                     [typedName, name] { *typedName = name->text(); });
    QObject::connect(&dialog, &QFileDialog::filterSelected, model,
                     [typedName, name, model](const QString& choice) {
                         name->setText(*typedName);
                         model->setNameFilters(patternsOf(choice));
                     });
}

// A name whose folder the dialog cannot open (a failed save into a missing
// folder offers it again) would be cut down to a path relative to wherever the
// dialog is, and accepting it would then name another file. Offer it whole, in
// the nearest folder that exists.
void keepPathTheDialogCannotShow(QFileDialog& dialog, const QString& initialName)
{
    const QFileInfo wanted(initialName);
    if (!wanted.isAbsolute() || QFileInfo(wanted.absolutePath()).isDir())
        return;
    QFileInfo nearest(wanted.absolutePath());
    while (!nearest.isDir() && !nearest.isRoot())
        nearest.setFile(nearest.absolutePath());
    dialog.setDirectory(nearest.absoluteFilePath());
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(initialName);
}

// The gallery's examples as one more place in the side bar, named "Examples"
// (the side bar would call it by its folder's name). The dialog still starts
// where it always does.
void addExamplesPlace(QFileDialog& dialog)
{
    const QString folder = ManualLocation::examplesFolder();
    if (folder.isEmpty())
        return;
    const QUrl examples = QUrl::fromLocalFile(folder);
    QList<QUrl> places = dialog.sidebarUrls();
    if (!places.contains(examples))
        places.append(examples);
    dialog.setSidebarUrls(places);
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    if (!sidebar || !sidebar->model())
        return;
    QAbstractItemModel* model = sidebar->model();
    const int row = int(places.indexOf(examples));
    model->setData(model->index(row, 0), QCoreApplication::translate("DialogPrompts", "Examples"),
                   Qt::DisplayRole);
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
    // The program asks its own replace question and never adds an extension
    // (no default suffix is set).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (request.mode == FileRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        addExamplesPlace(dialog);
    }
    // A full path opens the dialog in its folder with the name in the name box.
    dialog.selectFile(request.initialName);
    keepPathTheDialogCannotShow(dialog, request.initialName);
    useFilterPatternsOnly(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
