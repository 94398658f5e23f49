// SPDX-License-Identifier: MIT
// Start-up benchmark: time from process start to the main window being shown
// and painted, and peak memory, for the Strobix main window and for a bare
// QMainWindow with a menu bar built the same way. Each is run as a fresh
// process several times, alternating; medians and their ratio are printed.
//
//   bench_startup [runs]        (default 15; uses QT_QPA_PLATFORM, offscreen if unset)

#include "MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Peak resident memory of this process in KiB.
long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Reports on stdout once the window's first paint has been flushed, then quits.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QWidget* watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // Let the paint finish and reach the backing store first.
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", peakRssKiB());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};

std::unique_ptr<QMainWindow> bareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    QMenu* file = window->menuBar()->addMenu(QStringLiteral("&File"));
    for (const char* item : {"&New/Clear", "&Open...", "&Merge...", "&Save...", "E&xit"})
        file->addAction(QString::fromLatin1(item));
    for (const char* item : {"&Test", "&Download", "S&ettings"})
        window->menuBar()->addAction(QString::fromLatin1(item));
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    help->addAction(QStringLiteral("&Users' Manual..."));
    auto* area = new QWidget(window.get());
    area->setFixedSize(640, 255);
    window->setCentralWidget(area);
    return window;
}

int runChild(int argc, char* argv[], bool strobix)
{
    QApplication app(argc, argv);
    QTemporaryDir dir; // no LED.cfg: a first run
    std::unique_ptr<QMainWindow> window =
        strobix ? std::make_unique<MainWindow>(dir.filePath(QStringLiteral("LED.cfg")))
                : bareWindow();
    PaintWatcher watcher(window->centralWidget());
    window->show();
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    long peakKiB = 0;
};

bool runOnce(const QString& self, const QString& mode, Sample& sample)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, {mode});
    if (!child.waitForFinished(30000))
        return false;
    sample.ms = clock.nsecsElapsed() / 1e6;
    const QByteArray out = child.readAllStandardOutput().trimmed();
    if (!out.startsWith("painted "))
        return false;
    sample.peakKiB = out.mid(8).toLong();
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && (qstrcmp(argv[1], "--strobix") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return runChild(argc, argv, qstrcmp(argv[1], "--strobix") == 0);

    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> strobixMs, bareMs, strobixKiB, bareKiB;
    for (int run = 0; run < runs; ++run) {
        Sample strobix, bare;
        if (!runOnce(self, QStringLiteral("--strobix"), strobix)
            || !runOnce(self, QStringLiteral("--bare"), bare)) {
            std::fprintf(stderr, "a child run failed\n");
            return 1;
        }
        strobixMs.push_back(strobix.ms);
        bareMs.push_back(bare.ms);
        strobixKiB.push_back(double(strobix.peakKiB));
        bareKiB.push_back(double(bare.peakKiB));
    }
    const double sMs = median(strobixMs), bMs = median(bareMs);
    const double sKiB = median(strobixKiB), bKiB = median(bareKiB);
    std::printf("platform: %s, runs: %d (medians)\n", qgetenv("QT_QPA_PLATFORM").constData(), runs);
    std::printf("%-22s %10s %14s\n", "", "start (ms)", "peak RSS (MiB)");
    std::printf("%-22s %10.1f %14.1f\n", "Strobix main window", sMs, sKiB / 1024);
    std::printf("%-22s %10.1f %14.1f\n", "bare QMainWindow", bMs, bKiB / 1024);
    std::printf("%-22s %10.2f %14.2f\n", "ratio", sMs / bMs, sKiB / bKiB);
    std::printf("goal: time ratio <= 1.15: %s; memory ratio <= 1.10: %s\n",
                sMs / bMs <= 1.15 ? "met" : "NOT met", sKiB / bKiB <= 1.10 ? "met" : "NOT met");
    return 0;
}
