// SPDX-License-Identifier: MIT
// The browser's side: the program's folder is an IndexedDB-backed folder of
// emscripten's (IDBFS), loaded before the window starts and written back
// after every commit and every few seconds (a recovery copy removed, a lock
// let go); a file in the hand-off folder goes to the user.
#include "LastingStorage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <emscripten.h>

namespace {

constexpr int KeepIntervalMs = 3000;
constexpr int ErrorSize = 512;

// 1 and an empty buffer on success; 2 when another tab keeps the folder;
// otherwise 0 and the browser's reason.
EM_ASYNC_JS(int, strobixLoadFolder, (char* error, int errorSize), {
    const fail = (reason) => { stringToUTF8(String(reason), error, errorSize); return 0; };
    try {
        FS.mkdirTree("/strobix");
        FS.mount(IDBFS, {}, "/strobix");
    } catch (e) {
        return fail(e.message || e);
    }
    const reason = await new Promise((resolve) => FS.syncfs(true, resolve));
    if (reason)
        return fail(reason.message || reason);
    // One tab keeps the folder: writing back replaces the whole stored folder,
    // so a second tab would delete what the first one keeps. The first tab
    // takes the site's Web Lock for as long as it lives. Every page runs as
    // process 42, so a lock file left by a closed tab looks held by a live
    // program; with the Web Lock held no other page runs, and every lock file
    // in the folder is left over.
    const sole = !navigator.locks || await new Promise((resolve) => {
        navigator.locks.request("strobix-storage", {ifAvailable: true},
                                (lock) => { resolve(lock !== null); return lock && new Promise(() => {}); });
    });
    const removeLocks = (folder) => {
        for (const name of FS.readdir(folder)) {
            const path = folder + "/" + name;
            if (name === "." || name === "..")
                continue;
            if (FS.isDir(FS.stat(path).mode))
                removeLocks(path);
            else if (name.endsWith(".lock"))
                FS.unlink(path);
        }
    };
    Module.strobixKeepsFolder = sole;
    if (!sole)
        return 2;
    removeLocks("/strobix");
    return 1;
});

// Writes the folder back; a sync asked for while one runs follows it. Keeps
// the first failure for strobixKeepFailure().
EM_JS(void, strobixKeepFolder, (), {
    const state = Module.strobixKeep || (Module.strobixKeep = {running: false, again: false, failure: ""});
    if (!Module.strobixKeepsFolder)
        return;
    if (state.running) {
        state.again = true;
        return;
    }
    state.running = true;
    FS.syncfs(false, (reason) => {
        state.running = false;
        if (reason && !state.failure)
            state.failure = String(reason.message || reason || "unknown");
        if (state.again) {
            state.again = false;
            _strobixKeepFolderAgain();
        }
    });
    if (!Module.strobixKeepOnHide) {
        // A closed tab gets no further turn of the event loop: write back when it is hidden.
        Module.strobixKeepOnHide = true;
        document.addEventListener("visibilitychange", () => {
            if (document.visibilityState === "hidden")
                FS.syncfs(false, () => {});
        });
    }
});

EM_JS(int, strobixKeepFailure, (char* error, int errorSize), {
    const state = Module.strobixKeep;
    if (!state || !state.failure)
        return 0;
    stringToUTF8(state.failure, error, errorSize);
    return 1;
});

// Hands the file to the user: through the save picker's file when one was
// chosen, else as a download. 1 on success, else 0 and the reason.
EM_ASYNC_JS(int, strobixHandOff, (const char* pathText, char* error, int errorSize), {
    const path = UTF8ToString(pathText);
    const name = path.substring(path.lastIndexOf("/") + 1);
    const handle = Module.strobixSaveHandle;
    Module.strobixSaveHandle = null;
    try {
        const bytes = FS.readFile(path);
        if (handle) {
            const writable = await handle.createWritable();
            await writable.write(bytes);
            await writable.close();
        } else {
            const url = URL.createObjectURL(new Blob([bytes], {type: "application/octet-stream"}));
            const link = document.createElement("a");
            link.href = url;
            link.download = name;
            document.body.appendChild(link);
            link.click();
            link.remove();
            setTimeout(() => URL.revokeObjectURL(url), 60000);
        }
        return 1;
    } catch (e) {
        stringToUTF8(String(e.message || e), error, errorSize);
        return 0;
    } finally {
        try { FS.unlink(path); } catch (e) {}
    }
});

std::function<void(const QString&)>& keepFailedHandler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}

void reportKeepFailure()
{
    static bool reported = false;
    QByteArray reason(ErrorSize, '\0');
    if (reported || !strobixKeepFailure(reason.data(), ErrorSize) || !keepFailedHandler())
        return;
    reported = true;
    keepFailedHandler()(QString::fromUtf8(reason.constData()));
}

void keep()
{
    strobixKeepFolder();
    // The failure of this sync shows at the next turn of the timer.
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void strobixKeepFolderAgain()
{
    keep();
}

namespace LastingStorage {

QString load()
{
    QByteArray reason(ErrorSize, '\0');
    const int loaded = strobixLoadFolder(reason.data(), ErrorSize);
    QDir().mkpath(QStringLiteral("/strobix/data"));
    QDir::setCurrent(QStringLiteral("/strobix"));
    qputenv("XDG_DATA_HOME", "/strobix/data");
    auto* timer = new QTimer; // lives as long as the page
    QObject::connect(timer, &QTimer::timeout, [] {
        reportKeepFailure();
        keep();
    });
    timer->start(KeepIntervalMs);
    if (loaded == 2)
        return QCoreApplication::translate("LastingStorage",
                                           "Strobix is already open in another tab of this browser");
    return loaded ? QString() : QString::fromUtf8(reason.constData());
}

QString afterCommit(const QString& path)
{
    if (path.startsWith(QLatin1String("/handoff/"))) {
        QByteArray reason(ErrorSize, '\0');
        if (!strobixHandOff(path.toUtf8().constData(), reason.data(), ErrorSize))
            return QString::fromUtf8(reason.constData());
        return {};
    }
    keep();
    return {};
}

void onKeepFailed(std::function<void(const QString&)> handler)
{
    keepFailedHandler() = std::move(handler);
}

} // namespace LastingStorage
