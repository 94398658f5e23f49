// SPDX-License-Identifier: MIT
// Random use of the real main window, seed after seed, for a time budget.
//
//   STROBIX_STRESS_SEED     first seed (default: a random one, logged)
//   STROBIX_STRESS_SECONDS  time budget; seeds follow one another until it is
//                           spent, at least one (default 60)
//   STROBIX_STRESS_ACTIONS  actions per seed (default 250)
//   STROBIX_STRESS_LOG      1: print every seed's action log, not only a failing one's
//
// A failing seed prints its action log; STROBIX_STRESS_SEED=<seed>
// STROBIX_STRESS_SECONDS=0 runs it alone again.
#include "UiStressRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

namespace {

struct StressOptions {
    quint64 firstSeed = 0;
    int seconds = 60;
    int actionsPerSeed = 250;

    static StressOptions fromEnvironment()
    {
        StressOptions options;
        bool given = false;
        options.firstSeed = qEnvironmentVariable("STROBIX_STRESS_SEED").toULongLong(&given);
        if (!given)
            options.firstSeed = QRandomGenerator::global()->bounded(quint64(1) << 32);
        bool ok = false;
        if (const int seconds = qEnvironmentVariableIntValue("STROBIX_STRESS_SECONDS", &ok); ok)
            options.seconds = seconds;
        if (const int actions = qEnvironmentVariableIntValue("STROBIX_STRESS_ACTIONS", &ok);
            ok && actions > 0)
            options.actionsPerSeed = actions;
        return options;
    }
};

} // namespace

class TestUiStress : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomUseKeepsEveryInvariant();
};

namespace {

QtMessageHandler qtestHandler = nullptr;

// The offscreen platform says so each time a pop-up or dialog would raise
// itself or grab the keyboard; thousands of these would bury the log.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtestHandler(type, context, message);
}

} // namespace

void TestUiStress::initTestCase()
{
    qtestHandler = qInstallMessageHandler(quietPlatform);
}

void TestUiStress::randomUseKeepsEveryInvariant()
{
    const StressOptions options = StressOptions::fromEnvironment();
    qInfo("first seed %llu, %d s, %d actions per seed", options.firstSeed, options.seconds,
          options.actionsPerSeed);
    QElapsedTimer budget;
    budget.start();
    quint64 seed = options.firstSeed;
    do {
        UiStressRun run(seed, options.actionsPerSeed);
        const bool held = run.run();
        qInfo("%s", qPrintable(run.summary()));
        if (!held || qEnvironmentVariableIntValue("STROBIX_STRESS_LOG") == 1) {
            for (const QString& line : run.log())
                qInfo("  %s", qPrintable(line));
        }
        if (!held) {
            QFAIL(qPrintable(QStringLiteral("seed %1: %2\nreplay: STROBIX_STRESS_SEED=%1 "
                                            "STROBIX_STRESS_SECONDS=0 STROBIX_STRESS_ACTIONS=%3")
                                 .arg(seed)
                                 .arg(run.failure())
                                 .arg(options.actionsPerSeed)));
        }
        ++seed;
    } while (budget.elapsed() < qint64(options.seconds) * 1000);
}

int main(int argc, char* argv[])
{
    // Seeds follow one another until the budget is spent; QtTest's watchdog
    // would end a test function after five minutes. Allow the budget and the
    // last seed.
    constexpr int LastSeedMarginSeconds = 600;
    const qint64 allowedMs =
        (qint64(StressOptions::fromEnvironment().seconds) + LastSeedMarginSeconds) * 1000;
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(allowedMs));
    QApplication app(argc, argv);
    TestUiStress test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_uistress.moc"
