// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class LedSequence;
class ProgramSettings;

// The terminal side of the modes without a window. The window's messages
// break lines with CR; here they become ordinary line ends.
namespace Console {

void out(const QString& text);
void err(const QString& text);
bool outIsTerminal();
// The window needs no terminal: lets go of one opened only for this program.
void releaseForWindow();

// Reads a data file with the same checks as Open and applies it the same way.
// A rejected file is reported on standard error as the window reports it,
// followed by `consequence`; the sequence is then untouched.
bool loadSequence(const QString& path, LedSequence& sequence, ProgramSettings& settings,
                  const QString& consequence);

// --print: the sequence of a data file as text on standard output.
int printSequence(const QString& path);
// --print-link: the sequence of a data file as a link; base: the address it
// starts with, or empty for "#seq=..." alone.
int printLink(const QString& path, const QString& base);

} // namespace Console
