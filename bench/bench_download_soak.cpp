// SPDX-License-Identifier: MIT
// Downloads 100 different sequences in a row through the real Download command
// to the virtual device, all in one process, and prints each download's verdict
// (the device got exactly the sequence's stream, framed and paced right) and
// the resident memory before and after, so leaks and wear over a long session
// show up.

#include "AlwaysOkPrompts.h"
#include "DownloadCommand.h"
#include "DownloadStream.h"
#include "MainWindow.h"
#include "SequenceFile.h"
#include "StreamAnalysis.h"
#include "VirtualDevice.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <random>

namespace {

constexpr int Downloads = 100;
constexpr int ReportEvery = 10;
// Allowance for bytes the device notices late on a busy machine.
constexpr double DeviceLatenessMs = 35.0;
constexpr int DownloadTimeoutMs = 20000;

// Resident memory of this process in kB (Linux), 0 where unknown.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void randomize(SequenceDocument& document, std::mt19937& random)
{
    LedSequence sequence;
    for (int led = 0; led < LedSequence::LedCount; ++led)
        for (int event = 0; event < LedSequence::EventCount; ++event)
            sequence.setCell(led, event, random() % 3 == 0 ? 1 : 0);
    sequence.setLastEvent(static_cast<int>(random() % LedSequence::EventCount));
    document.restoreRecovered(SequenceFile::capture(sequence, document.settings()), QString(),
                              document.caption());
}

// One download after another, each started when the previous one has ended.
class Soak : public QObject {
public:
    explicit Soak(MainWindow& window)
        : m_window(window)
    {
        connect(&window.downloadCommand(), &DownloadCommand::ended, this, &Soak::onEnded);
        m_timeout.setSingleShot(true);
        connect(&m_timeout, &QTimer::timeout, this, [this] {
            std::printf("download %d: no end after %d ms\n", m_run, DownloadTimeoutMs);
            QCoreApplication::exit(1);
        });
    }

    void start()
    {
        m_rssBefore = residentKb();
        std::printf("resident memory before: %ld kB\n", m_rssBefore);
        next();
    }

private:
    void next()
    {
        ++m_run;
        SequenceDocument& document = m_window.document();
        randomize(document, m_random);
        m_expected = DownloadStream::build(document.sequence(), document.settings().picSpeed());
        m_device = std::make_unique<VirtualDevice>();
        m_device->start();
        const QString path = m_device->path();
        m_window.setPortResolver(PortResolver::oneDevice(path));
        m_timeout.start(DownloadTimeoutMs);
        m_window.findChild<QAction*>(QStringLiteral("MENUdownload"))->trigger();
    }

    void onEnded(DownloadCommand::Outcome outcome)
    {
        m_timeout.stop();
        const DownloadReceiver::Reception reception = m_device->finish();
        m_device.reset();
        const StreamAnalysis analysis(reception.bytes, reception.arrivalNs,
                                      DownloadStream::RecordCount, DeviceLatenessMs);
        const bool ok = outcome == DownloadCommand::Outcome::Completed && analysis.ok()
                        && reception.bytes == m_expected;
        m_verdicts += ok ? 'o' : 'X';
        ok ? ++m_good : ++m_bad;
        if (!ok)
            std::printf("download %d: %s\n", m_run,
                        qPrintable(analysis.violations().join(QStringLiteral("; "))));
        if (m_run % ReportEvery == 0)
            std::printf("%3d downloads  %s  resident %ld kB\n", m_run, m_verdicts.constData(),
                        residentKb());
        if (m_run % ReportEvery == 0)
            m_verdicts.clear();
        if (m_run < Downloads) {
            // Let the command finish returning before the next one starts.
            QTimer::singleShot(0, this, &Soak::next);
            return;
        }
        const long after = residentKb();
        std::printf("\n%d downloads: %d OK, %d not OK\n", Downloads, m_good, m_bad);
        std::printf("resident memory: before %ld kB, after %ld kB, growth %ld kB\n", m_rssBefore,
                    after, after - m_rssBefore);
        QCoreApplication::exit(m_bad == 0 ? 0 : 1);
    }

    MainWindow& m_window;
    std::mt19937 m_random{14};
    std::unique_ptr<VirtualDevice> m_device;
    QByteArray m_expected;
    QByteArray m_verdicts;
    QTimer m_timeout;
    int m_run = 0;
    int m_good = 0;
    int m_bad = 0;
    long m_rssBefore = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Progress shows as it comes, also when the output goes to a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    MainWindow window(dir.filePath(QStringLiteral("LED.cfg")));
    window.setPromptBackend(std::make_unique<AlwaysOkPrompts>());
    window.show();
    Soak soak(window);
    QTimer::singleShot(0, &soak, &Soak::start);
    return app.exec();
}
