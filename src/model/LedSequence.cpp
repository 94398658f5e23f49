// SPDX-License-Identifier: MIT
#include "LedSequence.h"

LedSequence::LedSequence(QObject* parent)
    : QObject(parent)
{
    m_mem.fill(QStringLiteral("0"));
    m_ledColor.fill(ColorTable::White);
    m_servoMode.fill(ServoControl::None);
}

int LedSequence::cell(int led, int event) const
{
    if (!isLed(led) || !isEvent(event))
        return 0;
    return m_cells[led][event];
}

void LedSequence::setCell(int led, int event, int value)
{
    if (!isLed(led) || !isEvent(event))
        return;
    const std::uint8_t bit = value != 0 ? 1 : 0;
    if (m_cells[led][event] == bit)
        return;
    m_cells[led][event] = bit;
    // The value text first, so whoever hears of the cell sees a current mem.
    refreshReadout(event);
    emit cellChanged(led, event);
}

int LedSequence::eventValue(int event) const
{
    if (!isEvent(event))
        return 0;
    int value = 0;
    for (int led = 0; led < LedCount; ++led)
        value |= m_cells[led][event] << led;
    return value;
}

void LedSequence::refreshReadout(int event)
{
    if (!isEvent(event))
        return;
    const QString text = QString::number(eventValue(event));
    if (m_mem[event] == text)
        return;
    m_mem[event] = text;
    emit memChanged(event);
}

QString LedSequence::mem(int event) const
{
    return isEvent(event) ? m_mem[event] : QString();
}

void LedSequence::setLastEvent(int event)
{
    if (!isEvent(event) || event == m_lastEvent)
        return;
    const int previous = m_lastEvent;
    m_lastEvent = event;
    emit lastEventChanged(previous, event);
}

int LedSequence::ledColor(int led) const
{
    return isLed(led) ? m_ledColor[led] : ColorTable::White;
}

void LedSequence::setLedColor(int led, int colorIndex)
{
    if (!isLed(led) || !ColorTable::isValid(colorIndex) || m_ledColor[led] == colorIndex)
        return;
    m_ledColor[led] = colorIndex;
    emit ledColorChanged(led);
}

int LedSequence::servoMode(int led) const
{
    return isLed(led) ? m_servoMode[led] : ServoControl::None;
}

void LedSequence::setServoMode(int led, int mode)
{
    if (!isLed(led) || !ServoControl::isValid(mode) || m_servoMode[led] == mode)
        return;
    m_servoMode[led] = mode;
    emit servoModeChanged(led);
}

std::int16_t LedSequence::spareColor(int index) const
{
    return (index >= 0 && index < SpareColorCount) ? m_spareColor[index] : 0;
}

void LedSequence::setSpareColor(int index, std::int16_t value)
{
    if (index >= 0 && index < SpareColorCount)
        m_spareColor[index] = value;
}

void LedSequence::clear()
{
    // Column by column, LED#4 down to LED#1.
    for (int event = 0; event < EventCount; ++event)
        for (int led = LedCount - 1; led >= 0; --led)
            setCell(led, event, 0);
    for (int led = 0; led < LedCount; ++led) {
        setLedColor(led, ColorTable::White);
        setServoMode(led, ServoControl::None);
    }
    setLastEvent(DefaultLastEvent);
}
