// SPDX-License-Identifier: MIT
#include "ColorChoiceController.h"

#include "ClickableLabel.h"
#include "SequenceDocument.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

ColorChoiceController::ColorChoiceController(
    SequenceDocument& document, TestPlayback& playback,
    const std::array<ClickableLabel*, LedSequence::LedCount>& labels, QListWidget* list)
    : m_document(document)
    , m_playback(playback)
    , m_labels(labels)
    , m_list(list)
{
    m_list->installEventFilter(this);
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
    if (!isOpen()) {
        m_byKeyboard = m_labels[led]->clickedByKey();
        m_opener = led;
    }
    m_leds.set(led);
    {
        // Showing the LED's own colour is not a choice.
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentRow(m_document.sequence().ledColor(led));
    }
    m_list->show();
    m_list->raise();
    m_list->setFocus(Qt::PopupFocusReason);
    if (!m_hold)
        m_hold.emplace(&m_playback);
}

void ColorChoiceController::selectionMoved(int entry)
{
    // A selection moved by the keyboard chooses at once. A mouse press moves it
    // too, but the choice then waits for the click, so that the release does not
    // land on whatever lies under the list once it is gone.
    if (QGuiApplication::mouseButtons() == Qt::NoButton && !m_byKeyboard)
        choose(entry);
}

void ColorChoiceController::choose(int colorIndex)
{
    if (!isOpen() || !ColorTable::isValid(colorIndex))
        return;
    const std::bitset<LedSequence::LedCount> leds = m_leds;
    close();
    m_document.setLedColors(leds, colorIndex);
}

void ColorChoiceController::close()
{
    m_list->hide();
    m_leds.reset();
    m_hold.reset();
    if (m_byKeyboard)
        m_labels[m_opener]->setFocus(Qt::OtherFocusReason);
    m_byKeyboard = false;
}

bool ColorChoiceController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress && isOpen() && m_byKeyboard
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
