// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

// The page the browser edition runs in: the sequence link in its address, and
// links followed later (an example picked from the page's gallery).
namespace BrowserPage {

// The address's part after '#' (e.g. "seq=..."), or empty.
QString linkInAddress();

// Called, inside the event loop, with the new part after '#' whenever the
// address changes to another sequence link.
void onLinkFollowed(std::function<void(const QString& link)> open);

// Tells the page (and the tests that drive it) that the window is up; from
// then on window.strobixLocate(name) gives where the visible control of that
// object name lies on the canvas, in CSS pixels ({x, y, width, height}), or
// null: in the main window or in a dialog open over it.
void announceReady();

} // namespace BrowserPage
