// SPDX-License-Identifier: MIT
#include "ColorChoiceController.h"

#include "ClickableLabel.h"
#include "SequenceDocument.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QSignalBlocker>

ColorChoiceController::ColorChoiceController(
    SequenceDocument& document, TestPlayback& playback,
    const std::array<ClickableLabel*, LedSequence::LedCount>& labels, QListWidget* list)
    : m_document(document)
    , m_labels(labels)
    , m_list(list)
    , m_popup(playback, [this] { close(); })
{
    m_popup.watch(m_list);
    for (int led = 0; led < LedSequence::LedCount; ++led)
        connect(labels[led], &ClickableLabel::clicked, this, [this, led] { open(led); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    connect(m_list, &QListWidget::currentRowChanged, this, &ColorChoiceController::selectionMoved);
}

ColorChoiceController::~ColorChoiceController() = default;

void ColorChoiceController::open(int led)
{
    if (!m_popup.isOpen())
        m_popup.setOpener(m_labels[led], m_labels[led]->clickedByKey());
    m_leds.set(led);
    {
        // Showing the LED's own colour is not a choice.
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(m_document.sequence().ledColor(led));
    }
    m_popup.show(m_list);
}

void ColorChoiceController::selectionMoved(int entry)
{
    // A selection moved by the keyboard chooses at once. A mouse press moves it
    // too, but the choice then waits for the click, so that the release does not
    // land on whatever lies under the list once it is gone.
    if (QGuiApplication::mouseButtons() == Qt::NoButton && !m_popup.byKeyboard())
        choose(entry);
}

void ColorChoiceController::choose(int colorIndex)
{
    if (!m_popup.isOpen() || !ColorTable::isValid(colorIndex))
        return;
    const std::bitset<LedSequence::LedCount> leds = m_leds;
    close();
    m_document.setLedColors(leds, colorIndex);
}

void ColorChoiceController::close()
{
    m_list->hide();
    m_leds.reset();
    m_popup.end();
}
