// SPDX-License-Identifier: MIT
#include "BrowserPage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMetaObject>

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
    window.addEventListener('hashchange', () => {
        if (window.location.hash.length > 1)
            _strobixLinkFollowed();
    });
});

EM_JS(void, strobixAnnounceReady, (), {
    window.strobixReady = true;
    document.dispatchEvent(new Event('strobix-ready'));
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
