// SPDX-License-Identifier: MIT
#include "AnimationExport.h"
#include "AnimationFrames.h"
#include "ColorTable.h"
#include "FileFixtures.h"
#include "SaveFileCommit.h"
#include "SequenceFileReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <limits>
#include <vector>

// --export-animation run as a script runs it, with no display (the xcb
// platform asked for, which would abort if anything touched a display). The
// pictures are read back with giflib and held against the sequence.
class ExportAnimationTest : public QObject {
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void randomSequences();
    void badInputs_data();
    void badInputs();
    void failingDisk_data();
    void failingDisk();
};

namespace {

using Lamps = std::array<QRgb, LedSequence::LedCount>;

// The exit code (-1 if it crashed or hung) and what went to stderr.
std::pair<int, QString> runStrobix(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(STROBIX_EXE), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QString()};
    // Qt's own remark about a missing XDG_RUNTIME_DIR (as under CI) is not the program's.
    // Windows ends the lines of a console program's output with CR LF.
    QStringList err = QString::fromLocal8Bit(process.readAllStandardError())
                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                          .split('\n');
    err.removeIf([](const QString& line) { return line.startsWith("QStandardPaths: "); });
    return {process.exitCode(), err.join('\n')};
}

// What the test shows at an event: each lamp lit in its LED's colour when its
// cell is on and its servo mode allows the stick's zone, else black.
Lamps expectedLamps(const SequenceFile& file, int event, int zone)
{
    Lamps lamps{};
    for (std::size_t led = 0; led < lamps.size(); ++led) {
        const bool lit = SequenceFile::lightsLed(file.events[std::size_t(event)], int(led))
                         && (file.servoModes[led] & (1 << zone));
        const std::uint32_t bgr = lit ? ColorTable::colorValue(file.ledColors[led]) : 0;
        lamps[led] = qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    return lamps;
}

// Reads a written picture back, each frame composed over the ones before,
// and checks it against the sequence: looping forever; one frame per event,
// or per run of events whose lamps look alike when only the lamps are drawn;
// each frame's lamps; each delay at least 2 cs; each frame, and the loop,
// ending within 5 ms of its time in the test (or later, for tests with steps
// under 20 ms). Returns the number of frames the test shows for under 20 ms.
int checkPicture(const SequenceFile& file, const QString& picture, int width, int zone)
{
    bool loopsForever = false;
    std::vector<QImage> frames;
    std::vector<int> delaysCs;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(picture).constData(), &error);
    if (gif && DGifSlurp(gif) == GIF_OK) {
        QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
        for (int index = 0; index < gif->ImageCount; ++index) {
            const SavedImage& image = gif->SavedImages[index];
            const ExtensionBlock* blocks = image.ExtensionBlocks;
            for (int at = 0; at + 1 < image.ExtensionBlockCount; ++at)
                loopsForever |= blocks[at].Function == APPLICATION_EXT_FUNC_CODE
                                && blocks[at].ByteCount == 11
                                && std::memcmp(blocks[at].Bytes, "NETSCAPE2.0", 11) == 0
                                && blocks[at + 1].ByteCount == 3
                                && std::memcmp(blocks[at + 1].Bytes, "\x01\x00\x00", 3) == 0;
            const ColorMapObject* map =
                image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
            const GifImageDesc& at = image.ImageDesc;
            for (int y = 0; y < at.Height; ++y)
                for (int x = 0; x < at.Width; ++x) {
                    const GifColorType color = map->Colors[image.RasterBits[y * at.Width + x]];
                    canvas.setPixel(at.Left + x, at.Top + y,
                                    qRgb(color.Red, color.Green, color.Blue));
                }
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, index, &control);
            frames.push_back(canvas.copy());
            delaysCs.push_back(control.DelayTime);
        }
    }
    DGifCloseFile(gif, &error);

    const AnimationFrames layout(width, QPalette());
    [&] {
        QVERIFY(loopsForever);
        QCOMPARE(frames.empty() ? QSize() : frames[0].size(), layout.size());
    }();
    int shortFrames = 0;
    std::size_t frame = 0;
    long long shownMs = 0;
    long long frameStartMs = 0;
    for (int event = 0; event <= file.lastEvent + 1 && !QTest::currentTestFailed(); ++event) {
        const bool end = event > file.lastEvent;
        const Lamps lamps = expectedLamps(file, end ? 0 : event, zone);
        if (event > 0 && !end && !layout.showsGrid()
            && lamps == expectedLamps(file, event - 1, zone))
            continue;
        const long long trueMs = 1LL * event * file.pcSpeed;
        if (event > 0) {
            shortFrames += trueMs - frameStartMs < 20;
            shownMs += 10LL * delaysCs[frame++];
        }
        frameStartMs = trueMs;
        [&] {
            QVERIFY2(shownMs >= trueMs - 5 && (file.pcSpeed < 20 || shownMs <= trueMs + 5)
                         && (event == 0 || delaysCs[frame - 1] >= 2),
                     qPrintable(QStringLiteral("event %1").arg(event)));
            if (end) {
                QCOMPARE(frame, frames.size());
                return;
            }
            QVERIFY2(frame < frames.size(), qPrintable(QString::number(event)));
            for (int led = 0; led < LedSequence::LedCount; ++led)
                QCOMPARE(QColor(frames[frame].pixel(layout.lampRect(led).center())),
                         QColor(lamps[std::size_t(led)]));
        }();
    }
    return shortFrames;
}

QString examplePath(const QString& name)
{
    return QDir(QStringLiteral(STROBIX_EXAMPLES)).filePath(name);
}

} // namespace

void ExportAnimationTest::examples_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("zone");

    const QDir folder(QStringLiteral(STROBIX_EXAMPLES));
    for (const QString& name : folder.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
        // Every example as the gallery shows it; the zone is where all its LEDs light.
        QTest::newRow(qPrintable(name)) << folder.filePath(name) << QStringList{} << 0 << 3;
        QTest::newRow(qPrintable(name + QStringLiteral(", lamps only")))
            << folder.filePath(name) << QStringList{"--size", "120"} << 120 << 3;
    }
    const QString landing = examplePath("landing-light-on-stick.dat");
    QTest::newRow("stick in the middle: no landing light")
        << landing << QStringList{"--stick", "2"} << 0 << 2;
    QTest::newRow("stick at the bottom, largest picture")
        << landing << QStringList{"--stick", "0", "--size", "2000"} << 2000 << 0;
}

void ExportAnimationTest::examples()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(int, width);
    QFETCH(int, zone);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("out.gif"));
    QCOMPARE(runStrobix(QStringList{"--export-animation", file, picture} + options),
             std::make_pair(0, QString()));
    const SequenceFileReader::Result read = SequenceFileReader::read(file);
    QVERIFY(read.ok());
    checkPicture(*read.file, picture, width, zone);
}

// Seeded random sequences: any cells, colours, servo modes, last event, test
// speed (short ones included), stick zone and width.
void ExportAnimationTest::randomSequences()
{
    QTemporaryDir dir;
    for (quint32 seed = 1; seed <= 12 && !QTest::currentTestFailed(); ++seed) {
        QRandomGenerator random(seed);
        SequenceFile file;
        for (int& event : file.events)
            event = random.bounded(16) & random.bounded(16); // dark often enough to merge
        for (int& color : file.ledColors)
            color = random.bounded(ColorTable::Count);
        for (int& mode : file.servoModes)
            mode = random.bounded(ServoControl::Count);
        file.lastEvent = random.bounded(SequenceFile::EventCount);
        file.pcSpeed = seed % 4 == 0 ? random.bounded(1, 20) : random.bounded(20, 101);
        const int zone = random.bounded(4);
        const int width = seed % 3 == 0 ? 0 : random.bounded(80, 465);
        const QString data = dir.filePath(QStringLiteral("random.dat"));
        QVERIFY(SequenceFileWriter().save(data, file).ok);
        const QString picture = dir.filePath(QStringLiteral("random.gif"));
        QStringList arguments{"--export-animation", data, picture, "--stick",
                              QString::number(zone)};
        if (width > 0)
            arguments << "--size" << QString::number(width);
        const auto [exitCode, err] = runStrobix(arguments);
        QCOMPARE(exitCode, 0);
        // Exactly the frames too short for GIF, after merging, are reported.
        if (const int shortFrames = checkPicture(file, picture, width, zone))
            QVERIFY2(err.contains(QStringLiteral("Warning: %1 of the pictures last less than 20 ms")
                                      .arg(shortFrames)),
                     qPrintable(err));
        else
            QCOMPARE(err, QString());
        if (QTest::currentTestFailed())
            qWarning("seed %u", seed);
    }
}

void ExportAnimationTest::badInputs_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1: a good file, %2: a bad one, %3: a folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");

    const auto row = [](const char* name, QStringList arguments, int code, const char* err) {
        if (!arguments.startsWith("--print"))
            arguments.prepend("--export-animation");
        QTest::newRow(name) << arguments << code << QString::fromLatin1(err);
    };
    row("no picture named", {"%1"}, 1, "needs the picture to write");
    row("two pictures", {"%1", "%3/a.gif", "%3/b.gif"}, 1, "one name");
    row("size too small", {"%1", "%3/a.gif", "--size", "15"}, 1,
        "--size takes a number from 16 to 2000, not '15'");
    row("size not a number", {"%1", "%3/a.gif", "--size", "big"}, 1, "'big'");
    row("zone 4", {"%1", "%3/a.gif", "--stick", "4"}, 1, "--stick takes a number from 0 to 3");
    row("size without export", {"--print", "%1", "--size", "100"}, 1, "go with --export-animation");
    row("export and print", {"%1", "%3/a.gif", "--print", "%1"}, 1, "do not go together");
    row("bad data file", {"%2", "%3/a.gif"}, 2, "Cannot read %2\nLine 1");
    row("missing data file", {"%3/none.dat", "%3/a.gif"}, 2, "Cannot read");
    row("no such folder", {"%1", "%3/none/a.gif"}, 6, "Cannot write %3/none/a.gif");
    row("a folder in the way", {"%1", "%3"}, 6, "Nothing was written.");
    row("a file in the way", {"%1", "%1/a.gif"}, 6, "Cannot write");
}

void ExportAnimationTest::badInputs()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    QTemporaryDir dir;
    // A copy: no mistake here may ever write over an example.
    const QString good = dir.filePath(QStringLiteral("good.dat"));
    QVERIFY(QFile::copy(examplePath("red-beacon.dat"), good));
    const QString bad = FileFixtures::writeFile(dir.filePath(QStringLiteral("bad.dat")), "bad\r\n");
    const QString folder = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    const auto fill = [&](QStringList texts) {
        return texts.replaceInStrings("%1", good)
            .replaceInStrings("%2", bad)
            .replaceInStrings("%3", folder);
    };

    const auto [code, written] = runStrobix(fill(arguments));
    QCOMPARE(code, exitCode);
    QVERIFY2(written.contains(fill({err})[0]), qPrintable(written));
    // Nothing is left behind, not even a temporary file.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void ExportAnimationTest::failingDisk_data()
{
    QTest::addColumn<qint64>("capacity"); // bytes the disk takes before it fails
    QTest::newRow("full at once") << qint64(0);
    QTest::newRow("full half way") << qint64(40);
    QTest::newRow("failing to sync") << std::numeric_limits<qint64>::max();
}

// A disk that fills up or fails to push the bytes out: save() says the
// system's reason, and leaves neither a picture nor a temporary file behind,
// nor a picture already there changed.
void ExportAnimationTest::failingDisk()
{
    QFETCH(qint64, capacity);
    AnimationExport::Animation animation;
    for (const QColor color : {Qt::red, Qt::blue}) {
        QImage frame(40, 10, QImage::Format_RGB32);
        frame.fill(color);
        animation.frames.append(frame);
        animation.durationsMs.push_back(100);
        animation.delaysCs.push_back(10);
    }
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("test.gif"));
    QCOMPARE(AnimationExport::save(animation, picture), QString());
    QFile written(picture);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();
    QVERIFY(before.startsWith("GIF89a"));
    QVERIFY(before.size() > 40);

    const QString reason = QStringLiteral("No space left on device");
    animation.frames.swapItemsAt(0, 1);
    const QString newPicture = dir.filePath(QStringLiteral("new.gif"));
    {
        const SaveFileCommit::InjectedFault fault(reason, capacity);
        QCOMPARE(AnimationExport::save(animation, picture), reason);
        QCOMPARE(AnimationExport::save(animation, newPicture), reason);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("test.gif")});
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), before);
}

QTEST_GUILESS_MAIN(ExportAnimationTest)
#include "tst_exportanimation.moc"
