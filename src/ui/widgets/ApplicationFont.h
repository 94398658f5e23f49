// SPDX-License-Identifier: MIT
#pragma once

// The application's own font, which the window's layout does not size.
namespace ApplicationFont {

// Sets the application's font to the desktop's at this zoom, so that what the
// window's own layout does not size (menus, message boxes, file dialogs,
// tooltips) grows with it. 100 gives the desktop's font back.
void followZoom(int percent);

} // namespace ApplicationFont
