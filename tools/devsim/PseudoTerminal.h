// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A pseudo-terminal that stands in for the device's serial port: the program
// under test opens the slave side like any serial device, the simulator reads
// the master side. The simulator keeps a slave descriptor of its own open, to
// read the line settings the program applied and so that reading the master
// does not fail before the program has opened the port.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return m_master >= 0; }
    QString error() const { return m_error; }

    int master() const { return m_master; }
    int slave() const { return m_slave; }
    QString slavePath() const { return m_slavePath; }

    // Makes linkPath a symbolic link to the slave, removed again on destruction.
    // An existing path is replaced only when it is itself a symbolic link.
    bool linkAt(const QString& linkPath);
    // When run through sudo, hands the slave to the invoking user so that the
    // program can open it without root.
    void giveToSudoUser();

    // The device "hangs up": the slave side sees the line gone.
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    QString m_error;
};
