// Measures how evenly the visual test paces its steps. A main window is run
// offscreen with a sequence that repaints the lamps at every step; for each
// test speed the test plays a fixed number of steps, and the program prints the
// mean step period relative to the test speed and the 99th percentile of the
// deviation of single periods from it.

#include "MainWindow.h"
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

constexpr std::array<int, 4> Speeds{1, 5, 20, 100}; // ms
constexpr int PeriodsPerSpeed = 500;

void fillCheckerboard(LedSequence& sequence)
{
    for (int event = 0; event < LedSequence::EventCount; ++event) {
        for (int led = 0; led < LedSequence::LedCount; ++led)
            sequence.setCell(led, event, (event + led) % 2);
    }
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
    explicit Bench(MainWindow& window)
        : m_window(window)
    {
        TestPlayback& playback = window.playback();
        QObject::connect(&playback, &TestPlayback::stepShown, [this] { onStep(); });
        QObject::connect(&playback, &TestPlayback::finished, [this] { next(); });
    }

    void next()
    {
        if (m_speedIndex == Speeds.size()) {
            QApplication::quit();
            return;
        }
        m_starts.clear();
        m_window.settings().setPcSpeed(Speeds[m_speedIndex]);
        m_window.menuTest()->trigger();
    }

private:
    void onStep()
    {
        m_starts.push_back(m_window.playback().stepClock().now());
        if (m_starts.size() == PeriodsPerSpeed + 1) {
            report(Speeds[m_speedIndex++], m_starts);
            m_window.menuTest()->trigger(); // stops; finished() moves on
        }
    }

    MainWindow& m_window;
    std::size_t m_speedIndex = 0;
    std::vector<qint64> m_starts;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    MainWindow window(dir.filePath(QStringLiteral("LED.cfg")));
    fillCheckerboard(window.sequence());
    window.show();

    std::printf("load average before: %s\n", loadAverage().constData());
    Bench bench(window);
    bench.next();
    const int result = app.exec();
    std::printf("load average after:  %s\n", loadAverage().constData());
    return result;
}
