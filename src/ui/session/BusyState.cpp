// SPDX-License-Identifier: MIT
#include "BusyState.h"

BusyState::Activity BusyState::activity() const
{
    if (m_download != Activity::Idle)
        return m_download;
    return m_testing ? Activity::Testing : Activity::Idle;
}

void BusyState::setTesting(bool testing)
{
    const Activity before = activity();
    m_testing = testing;
    announceIfChanged(before);
}

void BusyState::setDownload(Activity phase)
{
    const Activity before = activity();
    m_download = (phase == Activity::DownloadAsking || phase == Activity::DownloadSending)
                     ? phase
                     : Activity::Idle;
    announceIfChanged(before);
}

void BusyState::announceIfChanged(Activity before)
{
    if (activity() != before)
        emit activityChanged(activity());
}
