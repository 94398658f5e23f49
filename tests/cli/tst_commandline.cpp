// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <QDir>
#include <QTest>

// The command line decides the mode before any application object exists,
// so every wrong combination must be caught here, not by a window.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpListsExitCodes();
};

using Mode = CommandLine::Mode;
Q_DECLARE_METATYPE(CommandLine::Mode)

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program name
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("assumeYes");
    QTest::addColumn<QString>("error"); // part of the complaint, for Invalid

    const QString none;
    QTest::newRow("nothing: the window")
        << QStringList{} << Mode::Window << none << 0 << none << false << none;
    QTest::newRow("a file for the window")
        << QStringList{"show.dat"} << Mode::Window << "show.dat" << 0 << none << false << none;
    QTest::newRow("window with a device")
        << QStringList{"--device", "/dev/pts/4", "show.dat"} << Mode::Window << "show.dat" << 0
        << "/dev/pts/4" << false << none;
    QTest::newRow("Qt's window options pass")
        << QStringList{"-platform", "offscreen", "-reverse", "show.dat"} << Mode::Window
        << "show.dat" << 0 << none << false << none;
    QTest::newRow("help wins over the rest") << QStringList{"--print", "a.dat", "-h"} << Mode::Help
                                             << none << 0 << none << false << none;
    QTest::newRow("version") << QStringList{"--version"} << Mode::Version << none << 0 << none
                             << false << none;
    QTest::newRow("print") << QStringList{"--print", "a.dat"} << Mode::Print << "a.dat" << 0 << none
                           << false << none;
    QTest::newRow("print a link") << QStringList{"--print-link", "a.dat", "--link-base",
                                                 "https://h/"}
                                  << Mode::PrintLink << "a.dat" << 0 << none << false << none;
    // Opened as a link, not looked for as a file of that name.
    QTest::newRow("a link for the window")
        << QStringList{"https://h/#seq=AB"} << Mode::Window << none << 0 << none << false << none;
    QTest::newRow("download by port") << QStringList{"--download", "a.dat", "--port", "3"}
                                      << Mode::Download << "a.dat" << 3 << none << false << none;
    QTest::newRow("download to a device, no questions")
        << QStringList{"--yes", "--download", "a.dat", "--device", "/dev/ttyACM0"} << Mode::Download
        << "a.dat" << 0 << "/dev/ttyACM0" << true << none;
#ifdef Q_OS_WIN
    // COM5 names a device, not a file in the working folder.
    QTest::newRow("a port name stays a device name")
        << QStringList{"--download", "a.dat", "--device", "COM5"} << Mode::Download << "a.dat" << 0
        << "COM5" << false << none;
#else
    QTest::newRow("a relative device is in the working folder")
        << QStringList{"--download", "a.dat", "--device", "lnk"} << Mode::Download << "a.dat" << 0
        << QDir::current().filePath(QStringLiteral("lnk")) << false << none;
    QTest::newRow("the window's device too")
        << QStringList{"--device", "by-id/usb-x"} << Mode::Window << none << 0
        << QDir::current().filePath(QStringLiteral("by-id/usb-x")) << false << none;
#endif

    const auto wrong = [&](const char* name, const QStringList& arguments, const char* error) {
        QTest::newRow(name) << arguments << Mode::Invalid << none << 0 << none << false
                            << QString::fromLatin1(error);
    };
    wrong("unknown option", {"--bogus"}, "Unknown option 'bogus'");
    wrong("print without a file", {"--print"}, "Missing value after '--print'");
    wrong("print-link without a file", {"--print-link"}, "Missing value after '--print-link'");
    wrong("link base without print-link", {"--link-base", "https://h/", "a.dat"},
          "--link-base goes with --print-link");
    wrong("empty link base", {"--print-link", "a.dat", "--link-base", ""}, "needs an address");
    wrong("download without a target", {"--download", "a.dat"}, "either --port or --device");
    wrong("download with both targets",
          {"--download", "a.dat", "--port", "1", "--device", "/dev/x"},
          "either --port or --device");
    wrong("port 0", {"--download", "a.dat", "--port", "0"}, "from 1 to 8, not '0'");
    wrong("port 9", {"--download", "a.dat", "--port", "9"}, "from 1 to 8, not '9'");
    wrong("port not a number", {"--download", "a.dat", "--port", "one"}, "not 'one'");
    wrong("empty device", {"--download", "a.dat", "--device", ""}, "--device needs a path");
    wrong("print and download", {"--print", "a.dat", "--download", "b.dat", "--port", "1"},
          "do not go together");
    wrong("port for the window", {"--port", "2"}, "--port goes with --download");
    wrong("yes for print", {"--print", "a.dat", "--yes"}, "--yes goes with --download");
    wrong("device for print", {"--print", "a.dat", "--device", "/dev/x"},
          "--device does not go with --print");
    wrong("a file besides print", {"--print", "a.dat", "b.dat"}, "Unexpected argument: b.dat");
    wrong("two files for the window", {"a.dat", "b.dat"}, "Only one file");
    wrong("unknown language", {"--language", "xx", "--print", "a.dat"}, "one of en, not 'xx'");
    QTest::newRow("a language with any mode")
        << QStringList{"--language", "en", "--print", "a.dat"} << Mode::Print << "a.dat" << 0
        << none << false << none;
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Mode, mode);
    QFETCH(QString, file);
    QFETCH(int, port);
    QFETCH(QString, device);
    QFETCH(bool, assumeYes);
    QFETCH(QString, error);

    const CommandLine line = CommandLine::parse(QStringList{QStringLiteral("strobix")} + arguments);
    QVERIFY2(line.error.contains(error), qPrintable(line.error));
    QCOMPARE(line.mode, mode);
    QCOMPARE(line.error.isEmpty(), mode != Mode::Invalid);
    if (mode == Mode::Invalid)
        return;
    QCOMPARE(line.file, file);
    QCOMPARE(line.port, port);
    QCOMPARE(line.device, device);
    QCOMPARE(line.assumeYes, assumeYes);
}

void CommandLineTest::helpListsExitCodes()
{
    const QString help = CommandLine::helpText(QStringLiteral("strobix"));
    QVERIFY2(help.startsWith(QStringLiteral("Usage: strobix [options] [file]")), qPrintable(help));
    for (int code : {ExitCode::Success, ExitCode::Usage, ExitCode::BadFile, ExitCode::PortNotOpened,
                     ExitCode::LineFailed, ExitCode::Cancelled, ExitCode::NotWritten})
        QVERIFY2(help.contains(QStringLiteral("\n  %1  ").arg(code)), qPrintable(help));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
