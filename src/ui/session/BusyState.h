// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// What the program is busy with, for the commands and dialogs that must not
// run at the same time: the visual test plays, or a download asks the user to
// power up the device or sends the stream. A download outranks the test.
class BusyState : public QObject {
    Q_OBJECT
public:
    enum class Activity { Idle, Testing, DownloadAsking, DownloadSending };
    Q_ENUM(Activity)

    using QObject::QObject;

    Activity activity() const;
    bool isDownloading() const { return m_download != Activity::Idle; }

    void setTesting(bool testing);
    // Idle when the download has ended.
    void setDownload(Activity phase);

signals:
    void activityChanged(BusyState::Activity activity);

private:
    void announceIfChanged(Activity before);

    bool m_testing = false;
    Activity m_download = Activity::Idle;
};
