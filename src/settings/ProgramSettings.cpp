// SPDX-License-Identifier: MIT
#include "ProgramSettings.h"

ProgramSettings::ProgramSettings(QObject* parent)
    : QObject(parent)
{
}

void ProgramSettings::setCommPort(int port)
{
    if (isValidPort(port))
        m_commPort = port;
}

void ProgramSettings::setPcSpeed(int ms)
{
    if (!isValidSpeed(ms) || ms == m_pcSpeed)
        return;
    m_pcSpeed = ms;
    emit pcSpeedChanged(ms);
}

void ProgramSettings::setPicSpeed(int delay)
{
    if (!isValidSpeed(delay) || delay == m_picSpeed)
        return;
    m_picSpeed = delay;
    emit picSpeedChanged(delay);
}

void ProgramSettings::loadSpeeds(int picSpeed, int pcSpeed)
{
    if (!isValidSpeed(picSpeed) || !isValidSpeed(pcSpeed))
        return;
    setPicSpeed(picSpeed);
    setPcSpeed(pcSpeed);
    emit speedsLoaded(picSpeed, pcSpeed);
}
