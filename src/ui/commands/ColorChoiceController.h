// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "PopupListSession.h"

#include <QObject>

#include <array>
#include <bitset>

class ClickableLabel;
class SequenceDocument;
class QListWidget;

// The colour choice behind the LED name labels: a click on a label opens
// ColorList on that LED's colour; a click on an entry, Enter, or moving the
// selection with the keyboard chooses the colour and closes the list. There is
// no cancel. Labels clicked while the list is open join the choice, so the one
// colour chosen next goes to all of them. A running visual test is held while
// the list is open.
//
// A list opened from the keyboard (Space or Enter on a focused label) follows
// the keyboard's rules instead: arrows only move, Enter picks, Escape closes it
// without a choice, and the focus goes back to the label.
class ColorChoiceController : public QObject {
    Q_OBJECT
public:
    ColorChoiceController(SequenceDocument& document, TestPlayback& playback,
                          const std::array<ClickableLabel*, LedSequence::LedCount>& labels,
                          QListWidget* list);
    ~ColorChoiceController() override;

private:
    void open(int led);
    void close();
    void selectionMoved(int entry);
    void choose(int colorIndex);

    SequenceDocument& m_document;
    std::array<ClickableLabel*, LedSequence::LedCount> m_labels;
    QListWidget* m_list;
    std::bitset<LedSequence::LedCount> m_leds;
    PopupListSession m_popup;
};
