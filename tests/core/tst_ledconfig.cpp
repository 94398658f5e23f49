// SPDX-License-Identifier: MIT
#include "FileFixtures.h"
#include "LedConfig.h"
#include "SaveFileCommit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <chrono>
#include <thread>

class TestLedConfig : public QObject {
    Q_OBJECT
private slots:
    void parsesLeniently_data();
    void parsesLeniently();
    void writesNumberThenCrLf_data();
    void writesNumberThenCrLf();
    void missingFileGivesPortOne();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void failedWriteReportsAndKeepsOldFile();
    void failedFlushKeepsOldFile();
};

void TestLedConfig::parsesLeniently_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("port"); // 0: no valid port
    QTest::newRow("as written") << QByteArray("3\r\n") << 3;
    QTest::newRow("bare digit") << QByteArray("8") << 8;
    QTest::newRow("leading blank") << QByteArray(" 5") << 5;
    QTest::newRow("comma ends the field") << QByteArray("5,7") << 5;
    QTest::newRow("LF only") << QByteArray("2\n9\n") << 2;
    QTest::newRow("trailing blanks") << QByteArray("4  \r\n") << 4;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("zero") << QByteArray("0\r\n") << 0;
    QTest::newRow("nine") << QByteArray("9\r\n") << 0;
    QTest::newRow("negative") << QByteArray("-1\r\n") << 0;
    QTest::newRow("text") << QByteArray("COM3\r\n") << 0;
    QTest::newRow("empty first line") << QByteArray("\r\n3\r\n") << 0;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n", 8) << 0;
}

void TestLedConfig::parsesLeniently()
{
    QFETCH(QByteArray, content);
    QFETCH(int, port);
    QCOMPARE(LedConfig::parsePort(content).value_or(0), port);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LED.cfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(LedConfig::readPort(path), port == 0 ? 1 : port);
}

void TestLedConfig::writesNumberThenCrLf_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("1") << 1 << QByteArray("\x31\x0d\x0a");
    QTest::newRow("3") << 3 << QByteArray("\x33\x0d\x0a");
    QTest::newRow("8") << 8 << QByteArray("\x38\x0d\x0a");
}

void TestLedConfig::writesNumberThenCrLf()
{
    QFETCH(int, port);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LED.cfg"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("7\r\nsomething longer that must go\r\n");
    old.close();

    const LedConfig::WriteResult result = LedConfig::writePort(port, path);
    QVERIFY2(result.ok, qPrintable(result.error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(LedConfig::readPort(path), port);
}

void TestLedConfig::missingFileGivesPortOne()
{
    QTemporaryDir dir;
    QCOMPARE(LedConfig::readPort(dir.filePath(QStringLiteral("LED.cfg"))), 1);
}

void TestLedConfig::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("port");
    QTest::newRow("pipe holding a port") << "fifo" << 1;
    QTest::newRow("folder") << "folder" << 1;
    QTest::newRow("character device") << "device" << 1;
    QTest::newRow("link to a file holding a port") << "link" << 4;
    QTest::newRow("link to itself") << "loop" << 1;
}

void TestLedConfig::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(int, port);
#ifndef Q_OS_UNIX
    if (kind != QLatin1String("folder"))
        QSKIP("named pipes, device nodes and symbolic links are Unix files");
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("LED.cfg")));
    QCOMPARE(LedConfig::readPort(folder.filePath(QStringLiteral("LED.cfg"))), port);
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LED.cfg"));
    const QByteArray native = QFile::encodeName(path);
    int writer = -1;
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        // A writer that holds a valid port, so opening the pipe would succeed
        // and reading it would wait for more until the writer goes away.
        writer = ::open(native.constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(writer >= 0);
        QCOMPARE(::write(writer, "3\r\n", 3), ssize_t(3));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("LED.cfg")));
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("link")) {
        FileFixtures::writeFile(dir.filePath(QStringLiteral("real.cfg")), "4\r\n");
        QVERIFY(QFile::link(QStringLiteral("real.cfg"), path));
    } else {
        QVERIFY(QFile::link(QStringLiteral("LED.cfg"), path));
    }
    // Should the pipe be opened after all, its writer leaves shortly so the
    // read ends and the wrong port shows, instead of the test hanging.
    std::thread closer([writer] {
        if (writer >= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            ::close(writer);
        }
    });
    const int read = LedConfig::readPort(path);
    closer.join();
    QCOMPARE(read, port);
#endif
}

void TestLedConfig::failedWriteReportsAndKeepsOldFile()
{
    // A folder where the file should be cannot be replaced by a file, even for root.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LED.cfg"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("LED.cfg")));
    const LedConfig::WriteResult result = LedConfig::writePort(4, path);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(LedConfig::readPort(path), 1);
}

void TestLedConfig::failedFlushKeepsOldFile()
{
    // A full disk shows up only when the buffered bytes are pushed out; the
    // old file must not be replaced by an empty one.
    QTemporaryDir dir;
    const QString path = FileFixtures::writeFile(dir.filePath(QStringLiteral("LED.cfg")),
                                                 QByteArrayLiteral("6\r\n"));
    const SaveFileCommit::InjectedFault fault(QStringLiteral("No space left on device"));

    const LedConfig::WriteResult result = LedConfig::writePort(2, path);

    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("No space left on device"));
    QCOMPARE(FileFixtures::contentOf(path), QByteArrayLiteral("6\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("LED.cfg")});
}

QTEST_APPLESS_MAIN(TestLedConfig)
#include "tst_ledconfig.moc"
