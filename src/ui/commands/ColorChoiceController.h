// SPDX-License-Identifier: MIT
#pragma once

#include "LedSequence.h"
#include "PlaybackHold.h"

#include <array>

#include <QObject>

#include <bitset>
#include <optional>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(int led);
    void close();
    void selectionMoved(int entry);
    void choose(int colorIndex);
    bool isOpen() const { return m_hold.has_value(); }

    SequenceDocument& m_document;
    TestPlayback& m_playback;
    std::array<ClickableLabel*, LedSequence::LedCount> m_labels;
    QListWidget* m_list;
    bool m_byKeyboard = false;
    int m_opener = -1;
    std::bitset<LedSequence::LedCount> m_leds;
    std::optional<PlaybackHold> m_hold;
};
