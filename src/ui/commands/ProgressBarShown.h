// SPDX-License-Identifier: MIT
#pragma once

#include <QProgressBar>

// Shows a progress bar for the lifetime of the guard; called with a value, it
// moves the bar there.
class ProgressBarShown {
public:
    explicit ProgressBarShown(QProgressBar* bar)
        : m_bar(bar)
    {
        m_bar->show();
    }
    ~ProgressBarShown() { m_bar->hide(); }
    ProgressBarShown(const ProgressBarShown&) = delete;
    ProgressBarShown& operator=(const ProgressBarShown&) = delete;

    void operator()(int value) const { m_bar->setValue(value); }

private:
    QProgressBar* m_bar;
};
