// SPDX-License-Identifier: MIT
#include "EndMarkerController.h"

#include "MainWindow.h"
#include "TimeAxisWidget.h"

EndMarkerController::EndMarkerController(MainWindow& window)
{
    // The window already redraws the marker whenever the last event changes.
    LedSequence& sequence = window.sequence();
    connect(window.timeAxis(), &TimeAxisWidget::doubleClicked, this,
            [&sequence](int event) { sequence.setLastEvent(event); });
}
