// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <chrono>
#include <functional>

// The soonest later turn of the event loop, out of the call stack running
// now: for the paced sender's last moments before a record is due, and for
// the browser edition's questions at start. On the desktop a zero-length timer is that.
// A browser makes a zero-length timer set from a timer's callback wait at
// least 4 ms, which would make every record late; there the turn comes
// through a message the page posts to itself. One implementation each for
// desktop/ and web/.
namespace NextTurn {

// How close to a record's time the sender stops sleeping and takes turns,
// watching the clock: more than the platform's timers wake late.
std::chrono::microseconds finalApproach();

// Runs `work` on a later turn, unless `receiver` is gone by then.
void request(QObject* receiver, std::function<void()> work);

} // namespace NextTurn
