// SPDX-License-Identifier: MIT
#include "EndMarkerController.h"

#include "SequenceDocument.h"
#include "TimeAxisWidget.h"

EndMarkerController::EndMarkerController(SequenceDocument& document, TimeAxisWidget* timeAxis)
{
    // The window already redraws the marker whenever the last event changes.
    connect(timeAxis, &TimeAxisWidget::doubleClicked, this,
            [&document](int event) { document.setLastEvent(event); });
}
