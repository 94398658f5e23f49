// SPDX-License-Identifier: MIT
// A message the page posts to itself comes back on the next task, with none
// of the 4 ms a browser adds to timers set from timers; from there the work
// is queued in Qt's loop (a timer set from a message task is not held back),
// where the program may ask questions.
#include "NextTurn.h"

#include <QMetaObject>
#include <QPointer>

#include <deque>
#include <utility>

#include <emscripten.h>

namespace {

struct Turn {
    QPointer<QObject> receiver;
    std::function<void()> work;
};

std::deque<Turn>& turns()
{
    static std::deque<Turn> waiting;
    return waiting;
}

EM_JS(void, strobixPostTurn, (), {
    if (!Module.strobixTurns) {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => _strobixTurn();
        Module.strobixTurns = channel.port2;
    }
    Module.strobixTurns.postMessage(0);
});

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void strobixTurn()
{
    if (turns().empty())
        return;
    Turn turn = std::move(turns().front());
    turns().pop_front();
    if (turn.receiver)
        QMetaObject::invokeMethod(turn.receiver, std::move(turn.work), Qt::QueuedConnection);
}

namespace NextTurn {

// A browser's timers wake a few milliseconds late, more with the machine busy.
std::chrono::microseconds finalApproach()
{
    return std::chrono::microseconds(5000);
}

void request(QObject* receiver, std::function<void()> work)
{
    turns().push_back({receiver, std::move(work)});
    strobixPostTurn();
}

} // namespace NextTurn
