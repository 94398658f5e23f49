// SPDX-License-Identifier: MIT
#pragma once

#include "UserPrompts.h"

class QWidget;

// Where the user picks a file to open or a name to save under. On the desktop,
// Qt's file dialog over the computer's folders; in the browser, the browser's
// own pickers: the file opened is copied into the page, and a name chosen for
// saving is one in the hand-off folder, whose file then goes to the user.
// One header, one implementation each for desktop/ and web/, chosen by the build.
namespace FilePicker {

// The full path chosen, or an empty string when the user cancelled.
QString choose(QWidget* owner, const UserPrompts::FileRequest& request);

} // namespace FilePicker
