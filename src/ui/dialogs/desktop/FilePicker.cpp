// SPDX-License-Identifier: MIT
// Qt's own file dialog over the computer's folders, with the examples as a place.
#include "FilePicker.h"

#include "ManualLocation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>

#include <memory>
#include <optional>

namespace {

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

// The gallery's examples as one more place in the side bar of a dialog, for
// as long as the dialog runs: Qt keeps the side bar's places in the settings
// every Qt program's dialogs share, so the place goes again before the dialog
// ends. The side bar would name it after its folder; it reads "Examples"
// (also after the side bar refreshes its names). Where the dialog starts is
// left alone.
class ExamplesPlace {
public:
    explicit ExamplesPlace(QFileDialog& dialog)
        : m_dialog(dialog)
        , m_url(QUrl::fromLocalFile(ManualLocation::examplesFolder()))
    {
        QList<QUrl> places = dialog.sidebarUrls();
        if (ManualLocation::examplesFolder().isEmpty() || places.contains(m_url))
            return;
        dialog.setSidebarUrls(places << m_url);
        m_added = true;
        if (auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"))) {
            QAbstractItemModel* model = sidebar->model();
            const auto name = [model, url = m_url] { nameTheExamples(*model, url); };
            name();
            QObject::connect(model, &QAbstractItemModel::dataChanged, sidebar, name);
        }
    }
    ~ExamplesPlace()
    {
        if (!m_added)
            return;
        QList<QUrl> places = m_dialog.sidebarUrls();
        places.removeAll(m_url);
        m_dialog.setSidebarUrls(places);
    }
    ExamplesPlace(const ExamplesPlace&) = delete;
    ExamplesPlace& operator=(const ExamplesPlace&) = delete;

private:
    // The side bar keeps each place's address under Qt::UserRole + 1.
    static void nameTheExamples(QAbstractItemModel& model, const QUrl& url)
    {
        const QString name = QCoreApplication::translate("DialogPrompts", "Examples");
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex place = model.index(row, 0);
            if (place.data(Qt::UserRole + 1).toUrl() == url && place.data() != name)
                model.setData(place, name, Qt::DisplayRole);
        }
    }

    QFileDialog& m_dialog;
    QUrl m_url;
    bool m_added = false;
};

} // namespace

namespace FilePicker {

QString choose(QWidget* owner, const UserPrompts::FileRequest& request)
{
    QFileDialog dialog(owner, request.title, QString(), request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The program asks its own replace question and never adds an extension
    // (no default suffix is set).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // Any name, existing or not, for Open as for Save: the program checks it.
    dialog.setFileMode(QFileDialog::AnyFile);
    const bool saving = request.mode == UserPrompts::FileRequest::Mode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    std::optional<ExamplesPlace> examples;
    if (!saving)
        examples.emplace(dialog);
    // A full path opens the dialog in its folder with the name in the name box.
    dialog.selectFile(request.initialName);
    keepPathTheDialogCannotShow(dialog, request.initialName);
    useFilterPatternsOnly(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace FilePicker
