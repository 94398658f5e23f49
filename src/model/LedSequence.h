// SPDX-License-Identifier: MIT
#pragma once

#include "ColorTable.h"
#include "ServoControl.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// The one sequence the editor works on: four LEDs by fifty events of on/off
// cells, each LED's display colour and servo-control choice, and the last event
// that is played. Every change goes through the setters below, which keep the
// per-event value texts (mem) current and emit a signal only when something
// actually changed, so views can mirror the model without polling.
class LedSequence : public QObject {
    Q_OBJECT
public:
    static constexpr int LedCount = 4;
    static constexpr int EventCount = 50;
    static constexpr int SpareColorCount = 4;
    static constexpr int DefaultLastEvent = EventCount - 1;

    explicit LedSequence(QObject* parent = nullptr);

    static constexpr bool isLed(int led) { return led >= 0 && led < LedCount; }
    static constexpr bool isEvent(int event) { return event >= 0 && event < EventCount; }

    int cell(int led, int event) const;
    void setCell(int led, int event, int value);

    // 4-bit value of an event: LED#1 = 1, LED#2 = 2, LED#3 = 4, LED#4 = 8.
    int eventValue(int event) const;
    void refreshReadout(int event);
    QString mem(int event) const;

    int lastEvent() const { return m_lastEvent; }
    void setLastEvent(int event);

    int ledColor(int led) const;
    void setLedColor(int led, int colorIndex);

    int servoMode(int led) const;
    void setServoMode(int led, int mode);

    // Colour entries a data file carries beyond the four LEDs; kept only so
    // that they survive an Open followed by a Save.
    std::int16_t spareColor(int index) const;
    void setSpareColor(int index, std::int16_t value);

    static QString colorName(int colorIndex) { return ColorTable::colorName(colorIndex); }
    static std::uint32_t colorValue(int colorIndex) { return ColorTable::colorValue(colorIndex); }

    // Back to the start-up state: no cell lit, white LEDs, "NONE", last event 49.
    // Spare colours are left alone.
    void clear();

signals:
    void cellChanged(int led, int event);
    void memChanged(int event);
    void lastEventChanged(int previous, int current);
    void ledColorChanged(int led);
    void servoModeChanged(int led);

private:
    std::array<std::array<std::uint8_t, EventCount>, LedCount> m_cells{};
    std::array<QString, EventCount> m_mem;
    std::array<int, LedCount> m_ledColor;
    std::array<int, LedCount> m_servoMode;
    std::array<std::int16_t, SpareColorCount> m_spareColor{};
    int m_lastEvent = DefaultLastEvent;
};
