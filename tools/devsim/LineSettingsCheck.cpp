// SPDX-License-Identifier: MIT
#include "LineSettingsCheck.h"

namespace LineSettingsCheck {

namespace {

struct FlagRule {
    tcflag_t termios::*field;
    tcflag_t mask;
    const char* problem;
};

// Flags that must all be clear on a raw 8N1 line without flow control.
constexpr FlagRule ClearFlags[] = {
    {&termios::c_cflag, PARENB, "parity is enabled"},
    {&termios::c_cflag, CSTOPB, "2 stop bits instead of 1"},
    {&termios::c_cflag, CRTSCTS, "RTS/CTS flow control is on"},
    {&termios::c_iflag, IXON | IXOFF, "XON/XOFF flow control is on"},
    {&termios::c_iflag, ICRNL | INLCR | IGNCR, "CR/LF translation on input"},
    {&termios::c_iflag, ISTRIP, "the 8th bit is stripped"},
    {&termios::c_oflag, OPOST, "output processing is on (CR/LF would be translated)"},
    {&termios::c_lflag, ICANON, "canonical (line) mode is on"},
    {&termios::c_lflag, ECHO | ECHONL, "echo is on"},
    {&termios::c_lflag, ISIG, "signal characters are interpreted"},
    {&termios::c_lflag, IEXTEN, "extended input processing is on"},
};

QString baudText(speed_t speed)
{
    switch (speed) {
    case B1200:
        return QStringLiteral("1200");
    case B2400:
        return QStringLiteral("2400");
    case B4800:
        return QStringLiteral("4800");
    case B9600:
        return QStringLiteral("9600");
    case B19200:
        return QStringLiteral("19200");
    case B38400:
        return QStringLiteral("38400");
    case B57600:
        return QStringLiteral("57600");
    case B115200:
        return QStringLiteral("115200");
    default:
        return QStringLiteral("code %1").arg(speed);
    }
}

} // namespace

QStringList problems(const termios& settings)
{
    QStringList found;
    const speed_t out = ::cfgetospeed(&settings);
    const speed_t in = ::cfgetispeed(&settings);
    if (out != B2400)
        found << QStringLiteral("output speed is %1 baud, not 2400").arg(baudText(out));
    if (in != B2400 && in != 0) // 0: input speed follows the output speed
        found << QStringLiteral("input speed is %1 baud, not 2400").arg(baudText(in));
    if ((settings.c_cflag & CSIZE) != CS8)
        found << QStringLiteral("not 8 data bits");
    for (const FlagRule& rule : ClearFlags) {
        if ((settings.*rule.field & rule.mask) != 0)
            found << QString::fromLatin1(rule.problem);
    }
    return found;
}

} // namespace LineSettingsCheck
