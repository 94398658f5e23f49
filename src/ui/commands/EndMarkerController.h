// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class SequenceDocument;
class TimeAxisWidget;

// Moves the sequence's last event to the time-axis label that is double-clicked.
// A single click on the axis does nothing.
class EndMarkerController : public QObject {
    Q_OBJECT
public:
    EndMarkerController(SequenceDocument& document, TimeAxisWidget* timeAxis);
};
