// SPDX-License-Identifier: MIT
// Measures how evenly the visual test paces its steps. A main window is run
// offscreen with a sequence that repaints the lamps at every step; for each
// test speed the test plays a fixed number of steps, and the program prints the
// mean step period relative to the test speed and the 99th percentile of the
// deviation of single periods from it.

#include "MainWindow.h"
#include "SequenceFile.h"
#include "StepClock.h"
#include "TestPlayback.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr std::array<int, 4> DefaultSpeeds{1, 5, 20, 100}; // ms
constexpr int DefaultPeriods = 500;

// The window with the playback it times.
class TimedWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    TestPlayback& playback() { return internals().playback; }
    QAction* menuTest() const { return findChild<QAction*>(QStringLiteral("MENUtest")); }
};

void fillCheckerboard(SequenceDocument& document)
{
    LedSequence sequence;
    for (int event = 0; event < LedSequence::EventCount; ++event) {
        for (int led = 0; led < LedSequence::LedCount; ++led)
            sequence.setCell(led, event, (event + led) % 2);
    }
    document.restoreRecovered(SequenceFile::capture(sequence, document.settings()), QString(),
                              document.caption());
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    return file.readAll().trimmed();
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(std::ceil(fraction * double(values.size()))) - 1;
    return values[std::min(index, values.size() - 1)];
}

void report(int speedMs, const std::vector<qint64>& starts)
{
    std::vector<double> deviations;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const double periodMs = double(starts[i] - starts[i - 1]) / 1e6;
        deviations.push_back(std::abs(periodMs - speedMs));
    }
    const double meanMs = double(starts.back() - starts.front()) / 1e6 / double(starts.size() - 1);
    std::printf("PCSpeed %3d ms: %zu periods, mean/PCSpeed %.4f, p99 |period - PCSpeed| %.3f ms "
                "(median %.3f, p90 %.3f, max %.3f)\n",
                speedMs, deviations.size(), meanMs / speedMs, percentile(deviations, 0.99),
                percentile(deviations, 0.5), percentile(deviations, 0.9),
                *std::max_element(deviations.begin(), deviations.end()));
    std::fflush(stdout);
}

// Plays each speed in turn, driven by the playback's own signals.
class Bench {
public:
    Bench(TimedWindow& window, std::vector<int> speeds, int periods)
        : m_window(window)
        , m_speeds(std::move(speeds))
        , m_periods(periods)
    {
        TestPlayback& playback = window.playback();
        QObject::connect(&playback, &TestPlayback::stepShown, [this] { onStep(); });
        QObject::connect(&playback, &TestPlayback::finished, [this] { next(); });
    }

    void next()
    {
        if (m_speedIndex == m_speeds.size()) {
            QApplication::quit();
            return;
        }
        m_starts.clear();
        m_window.document().settings().setPcSpeed(m_speeds[m_speedIndex]);
        m_window.menuTest()->trigger();
    }

private:
    void onStep()
    {
        m_starts.push_back(m_window.playback().stepClock().now());
        if (m_starts.size() == std::size_t(m_periods) + 1) {
            report(m_speeds[m_speedIndex++], m_starts);
            m_window.menuTest()->trigger(); // stops; finished() moves on
        }
    }

    TimedWindow& m_window;
    std::vector<int> m_speeds;
    int m_periods;
    std::size_t m_speedIndex = 0;
    std::vector<qint64> m_starts;
};

} // namespace

// Usage: playback_timing [periods [speed_ms...]]; default 500 periods at 1, 5, 20 and 100 ms.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TimedWindow window(dir.filePath(QStringLiteral("LED.cfg")));
    fillCheckerboard(window.document());
    window.show();

    const QStringList args = QApplication::arguments();
    const int periods = args.size() > 1 ? std::max(2, args[1].toInt()) : DefaultPeriods;
    std::vector<int> speeds;
    for (int i = 2; i < args.size(); ++i) {
        if (ProgramSettings::isValidSpeed(args[i].toInt()))
            speeds.push_back(args[i].toInt());
    }
    if (speeds.empty())
        speeds.assign(DefaultSpeeds.begin(), DefaultSpeeds.end());

    std::printf("load average before: %s\n", loadAverage().constData());
    Bench bench(window, speeds, periods);
    bench.next();
    const int result = app.exec();
    std::printf("load average after:  %s\n", loadAverage().constData());
    return result;
}
