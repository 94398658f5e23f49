// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The three program-wide settings: the serial port of the programming cable,
// the on-screen test step and the sequencer delay sent to the device. Only the
// port outlives a run (in LED.cfg); the speeds start at their defaults and are
// otherwise carried by data files.
class ProgramSettings : public QObject {
    Q_OBJECT
public:
    static constexpr int MinPort = 1;
    static constexpr int MaxPort = 8;
    static constexpr int DefaultPort = 1;
    static constexpr int MinSpeed = 1;
    static constexpr int MaxSpeed = 100;
    static constexpr int DefaultPcSpeed = 20;
    static constexpr int DefaultPicSpeed = 30;

    explicit ProgramSettings(QObject* parent = nullptr);

    static constexpr bool isValidPort(int port) { return port >= MinPort && port <= MaxPort; }
    static constexpr bool isValidSpeed(int speed) { return speed >= MinSpeed && speed <= MaxSpeed; }

    int commPort() const { return m_commPort; }
    int pcSpeed() const { return m_pcSpeed; }
    int picSpeed() const { return m_picSpeed; }

    // Out-of-range values are ignored: the rest of the program relies on the ranges.
    void setCommPort(int port);
    void setPcSpeed(int ms);
    void setPicSpeed(int delay);
    // Both speeds as a data file carries them. Announced even when they equal
    // the speeds in force, so the settings dialog's lists show them again.
    void loadSpeeds(int picSpeed, int pcSpeed);

signals:
    void pcSpeedChanged(int ms);
    void picSpeedChanged(int delay);
    void speedsLoaded(int picSpeed, int pcSpeed);

private:
    int m_commPort = DefaultPort;
    int m_pcSpeed = DefaultPcSpeed;
    int m_picSpeed = DefaultPicSpeed;
};
