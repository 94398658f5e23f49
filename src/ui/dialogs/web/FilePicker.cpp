// SPDX-License-Identifier: MIT
// The browser's pickers. Open copies the chosen file into the page's own file
// system (the program then reads it as it reads any file); Save chooses the
// user's file with the browser's save picker where there is one (its handle
// waits for the written file, see LastingStorage), else asks for a name for
// the download. Both run inside the user's click, which the browser requires.
#include "FilePicker.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <emscripten.h>

namespace {

constexpr int PathSize = 1024;

// The chosen file's path in the page, or "" when cancelled.
EM_ASYNC_JS(void, strobixPickOpen, (const char* acceptText, char* path, int pathSize), {
    const input = document.createElement("input");
    input.type = "file";
    input.accept = UTF8ToString(acceptText);
    // In the document while it is open: some browsers show no picker for a detached input.
    input.style.display = "none";
    document.body.appendChild(input);
    const file = await new Promise((resolve) => {
        input.addEventListener("change", () => resolve(input.files[0] || null));
        input.addEventListener("cancel", () => resolve(null));
        input.click();
    });
    input.remove();
    let chosen = "";
    if (file) {
        const bytes = new Uint8Array(await file.arrayBuffer());
        const name = file.name.split("/").join("_").split(String.fromCharCode(92)).join("_");
        FS.mkdirTree("/opened");
        FS.writeFile("/opened/" + name, bytes);
        chosen = "/opened/" + name;
    }
    stringToUTF8(chosen, path, pathSize);
});

// The name chosen for saving, or "" when cancelled. With the browser's save
// picker the file is chosen now and written once the program has saved.
EM_ASYNC_JS(void, strobixPickSave, (const char* titleText, const char* offeredText, char* name,
                                    int nameSize), {
    const offered = UTF8ToString(offeredText);
    let chosen = "";
    Module.strobixSaveHandle = null;
    if (typeof window.showSaveFilePicker === "function") {
        try {
            const handle = await window.showSaveFilePicker({
                suggestedName: offered,
                types: [{ description: "STROBIX data file", accept: { "application/octet-stream": [".dat"] } }],
            });
            Module.strobixSaveHandle = handle;
            chosen = handle.name;
        } catch (e) {
            // Cancelled; or refused outside a click: ask for a name instead.
            if (e.name === "AbortError") {
                stringToUTF8("", name, nameSize);
                return;
            }
        }
    }
    if (!chosen)
        chosen = window.prompt(UTF8ToString(titleText), offered) || "";
    stringToUTF8(chosen, name, nameSize);
});

// "Data files (*.dat);;All files (*)" -> ".dat": what the browser's picker
// can filter on; all files when the first choice has no plain extension.
QByteArray acceptFor(const QString& filter)
{
    const QString first = filter.section(QStringLiteral(";;"), 0, 0);
    const QRegularExpression extension(QStringLiteral("\\*(\\.[A-Za-z0-9]+)"));
    QStringList extensions;
    for (auto match = extension.globalMatch(first); match.hasNext();)
        extensions << match.next().captured(1);
    return extensions.join(QLatin1Char(',')).toUtf8();
}

QString openChoice(const UserPrompts::FileRequest& request)
{
    QByteArray path(PathSize, '\0');
    strobixPickOpen(acceptFor(request.filter).constData(), path.data(), PathSize);
    return QString::fromUtf8(path.constData());
}

QString saveChoice(const UserPrompts::FileRequest& request)
{
    QByteArray name(PathSize, '\0');
    const QString offered = QFileInfo(request.initialName).fileName();
    strobixPickSave(request.title.toUtf8().constData(), offered.toUtf8().constData(), name.data(),
                    PathSize);
    const QString chosen = QFileInfo(QString::fromUtf8(name.constData()).trimmed()).fileName();
    if (chosen.isEmpty())
        return {};
    QDir().mkpath(QStringLiteral("/handoff"));
    const QString path = QStringLiteral("/handoff/") + chosen;
    // The browser's picker has settled replacing; nothing of an earlier save stays here.
    QFile::remove(path);
    return path;
}

} // namespace

namespace FilePicker {

QString choose(QWidget*, const UserPrompts::FileRequest& request)
{
    return request.mode == UserPrompts::FileRequest::Mode::Open ? openChoice(request)
                                                                : saveChoice(request);
}

} // namespace FilePicker
