// SPDX-License-Identifier: MIT
#include "NewClearCommand.h"

#include "AppInfo.h"
#include "SequenceDocument.h"

#include <QAction>

NewClearCommand::NewClearCommand(SequenceDocument& document, QAction* trigger)
    : m_document(document)
{
    connect(trigger, &QAction::triggered, this, &NewClearCommand::run);
}

void NewClearCommand::run()
{
    m_document.newSequence(AppInfo::productName());
}
