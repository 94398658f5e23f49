// SPDX-License-Identifier: MIT
#include "NextTurn.h"

#include <QTimer>

namespace NextTurn {

std::chrono::microseconds finalApproach()
{
    return std::chrono::microseconds(1500);
}

void request(QObject* receiver, std::function<void()> work)
{
    QTimer::singleShot(0, Qt::PreciseTimer, receiver, std::move(work));
}

} // namespace NextTurn
