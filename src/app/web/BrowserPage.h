// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

#include <functional>

// The page the browser edition runs in: the sequence link in its address, and
// links followed later (an example picked from the page's gallery).
namespace BrowserPage {

// The address's part after '#' (e.g. "seq=..."), or empty.
QString linkInAddress();

// Called, inside the event loop, with the new part after '#' whenever the
// address changes to another sequence link.
void onLinkFollowed(std::function<void(const QString& link)> open);

// Tells the page (and the tests that drive it) that the window is up, and
// where each named control of `window` lies on the canvas, in CSS pixels:
// window.strobixControls = {name: {x, y, width, height}, ...}.
void announceReady(const QWidget& window);

} // namespace BrowserPage
