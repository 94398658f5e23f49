// SPDX-License-Identifier: MIT
#include "BrowserPage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
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
    window.addEventListener('hashchange', () => {
        if (window.location.hash.length > 1)
            _strobixLinkFollowed();
    });
});

EM_JS(void, strobixAnnounceReady, (const char* controls), {
    window.strobixControls = JSON.parse(UTF8ToString(controls));
    window.strobixReady = true;
    document.dispatchEvent(new Event('strobix-ready'));
});

QByteArray controlsOf(const QWidget& window)
{
    QJsonObject controls;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisible())
            continue;
        const QRect rect(control->mapToGlobal(QPoint(0, 0)), control->size());
        controls.insert(control->objectName(),
                        QJsonObject{{QStringLiteral("x"), rect.x()},
                                    {QStringLiteral("y"), rect.y()},
                                    {QStringLiteral("width"), rect.width()},
                                    {QStringLiteral("height"), rect.height()}});
    }
    return QJsonDocument(controls).toJson(QJsonDocument::Compact);
}

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

void announceReady(const QWidget& window)
{
    strobixAnnounceReady(controlsOf(window).constData());
}

} // namespace BrowserPage
