// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class LedSequence;
class ProgramSettings;

// The sequence as plain text for a terminal: the 4 x 50 grid with '#' for a
// lit and '.' for a dark cell under an event ruler, a caret under the last
// event, then each LED's colour and servo mode, then the two speeds. Lines end
// in "\n".
namespace SequencePrinter {

QString text(const LedSequence& sequence, const ProgramSettings& settings);

// The two lines of event numbers over the grid (tens, then units), indented
// like the rows below them; the virtual device prints the same.
QString ruler();

} // namespace SequencePrinter
