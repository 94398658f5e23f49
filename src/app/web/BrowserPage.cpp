// SPDX-License-Identifier: MIT
#include "BrowserPage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QApplication>
#include <QMetaObject>
#include <QWidget>

#include <emscripten.h>

namespace {

std::function<void(const QString&)>& linkHandler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}

EM_JS(int, strobixHashLength, (), { return lengthBytesUTF8(window.location.hash.substring(1)) + 1; });

EM_JS(void, strobixHash, (char* text, int size), {
    stringToUTF8(window.location.hash.substring(1), text, size);
});

EM_JS(void, strobixWatchHash, (), {
    window.addEventListener("hashchange", () => {
        if (window.location.hash.length > 1)
            _strobixLinkFollowed();
    });
});

EM_JS(void, strobixAnnounceReady, (), {
    window.strobixLocate = (name) => {
        window.strobixLocating = String(name);
        window.strobixLocated = null;
        _strobixLocateControl();
        return window.strobixLocated;
    };
    window.strobixReady = true;
    document.dispatchEvent(new Event("strobix-ready"));
});

EM_JS(int, strobixLocatingLength, (), { return lengthBytesUTF8(window.strobixLocating) + 1; });

EM_JS(void, strobixLocating, (char* text, int size), {
    stringToUTF8(window.strobixLocating, text, size);
});

EM_JS(void, strobixLocated, (int x, int y, int width, int height), {
    window.strobixLocated = {x: x, y: y, width: width, height: height};
});

} // namespace

// From the page's hashchange listener, outside Qt's event loop: the link is
// opened from the loop, where the program may ask questions.
extern "C" EMSCRIPTEN_KEEPALIVE void strobixLinkFollowed()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            if (linkHandler())
                linkHandler()(BrowserPage::linkInAddress());
        },
        Qt::QueuedConnection);
}

extern "C" EMSCRIPTEN_KEEPALIVE void strobixLocateControl()
{
    const int size = strobixLocatingLength();
    QByteArray text(size, '\0');
    strobixLocating(text.data(), size);
    const QString name = QString::fromUtf8(text.constData());
    for (const QWidget* control : QApplication::allWidgets()) {
        if (control->objectName() != name || !control->isVisible())
            continue;
        const QPoint topLeft = control->mapToGlobal(QPoint(0, 0));
        strobixLocated(topLeft.x(), topLeft.y(), control->width(), control->height());
        return;
    }
}

namespace BrowserPage {

QString linkInAddress()
{
    const int size = strobixHashLength();
    QByteArray text(size, '\0');
    strobixHash(text.data(), size);
    return QString::fromUtf8(text.constData());
}

void onLinkFollowed(std::function<void(const QString& link)> open)
{
    linkHandler() = std::move(open);
    strobixWatchHash();
}

void announceReady()
{
    strobixAnnounceReady();
}

} // namespace BrowserPage
