// SPDX-License-Identifier: MIT
#include "TerminalInput.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <cstdio>
#include <thread>

#include <qt_windows.h>

namespace {

// The console calls its control handler on a thread of its own.
QPointer<TerminalInput> g_watcher;

BOOL WINAPI onConsoleControl(DWORD)
{
    if (!g_watcher)
        return FALSE;
    QMetaObject::invokeMethod(g_watcher.data(), &TerminalInput::stopRequested,
                              Qt::QueuedConnection);
    // Closing the console ends the program anyway once this returns; the
    // event loop gets the few seconds Windows gives to close the port.
    return TRUE;
}

} // namespace

struct TerminalInput::Private {
    // A console read cannot be interrupted: the thread is left to the end
    // of the program, and its answer is dropped once nobody waits for it.
    bool reading = false;
};

TerminalInput::TerminalInput(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
}

TerminalInput::~TerminalInput()
{
    if (g_watcher == this)
        SetConsoleCtrlHandler(onConsoleControl, FALSE);
}

void TerminalInput::watchStopRequests()
{
    g_watcher = this;
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

void TerminalInput::readLine()
{
    d->reading = true;
    QPointer<TerminalInput> self(this);
    std::thread([self] {
        QByteArray line;
        int c = 0;
        while ((c = std::getchar()) != EOF && c != '\n')
            line.append(char(c));
        const bool complete = c == '\n';
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, line, complete] {
                if (self && self->d->reading) {
                    self->d->reading = false;
                    emit self->lineRead(line, complete);
                }
            },
            Qt::QueuedConnection);
    }).detach();
}

void TerminalInput::stopReading()
{
    d->reading = false;
}
