// SPDX-License-Identifier: MIT
#include "AnimationFrames.h"
#include "ColorTable.h"
#include "FileFixtures.h"
#include "SequenceFileReader.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <gif_lib.h>

#include <array>
#include <cstring>
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
};

namespace {

using Lamps = std::array<QRgb, LedSequence::LedCount>;

struct Run {
    int exitCode = -1;
    QString err;
};

Run runStrobix(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(STROBIX_EXE), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    // Qt's own remark about a missing XDG_RUNTIME_DIR (as under CI) is not the program's.
    QStringList err = QString::fromLocal8Bit(process.readAllStandardError()).split('\n');
    err.removeIf([](const QString& line) { return line.startsWith("QStandardPaths: "); });
    return {process.exitCode(), err.join('\n')};
}

// What the test shows at an event: each lamp lit in its LED's colour when its
// cell is on and its servo mode allows the stick's zone, else black.
Lamps expectedLamps(const SequenceFile& file, int event, int zone)
{
    Lamps lamps{};
    for (int led = 0; led < LedSequence::LedCount; ++led) {
        const bool lit = SequenceFile::lightsLed(file.events[std::size_t(event)], led)
                         && (file.servoModes[std::size_t(led)] & (1 << zone));
        const std::uint32_t bgr =
            lit ? ColorTable::colorValue(file.ledColors[std::size_t(led)]) : 0;
        lamps[std::size_t(led)] = qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    return lamps;
}

// The decoded picture: each frame composed over the ones before, its delay.
struct Decoded {
    bool loopsForever = false;
    std::vector<QImage> frames;
    std::vector<int> delaysCs;
};

bool isLoopForever(const ExtensionBlock* blocks, int count)
{
    for (int at = 0; at + 1 < count; ++at)
        if (blocks[at].Function == APPLICATION_EXT_FUNC_CODE && blocks[at].ByteCount == 11
            && std::memcmp(blocks[at].Bytes, "NETSCAPE2.0", 11) == 0)
            return blocks[at + 1].ByteCount == 3 && blocks[at + 1].Bytes[0] == 1
                   && blocks[at + 1].Bytes[1] == 0 && blocks[at + 1].Bytes[2] == 0;
    return false;
}

Decoded decode(const QString& path)
{
    Decoded decoded;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return decoded;
    }
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int index = 0; index < gif->ImageCount; ++index) {
        const SavedImage& image = gif->SavedImages[index];
        decoded.loopsForever =
            decoded.loopsForever || isLoopForever(image.ExtensionBlocks, image.ExtensionBlockCount);
        const ColorMapObject* map =
            image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const GifImageDesc& at = image.ImageDesc;
        for (int y = 0; y < at.Height; ++y)
            for (int x = 0; x < at.Width; ++x) {
                const GifColorType color = map->Colors[image.RasterBits[y * at.Width + x]];
                canvas.setPixel(at.Left + x, at.Top + y, qRgb(color.Red, color.Green, color.Blue));
            }
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, index, &control);
        decoded.frames.push_back(canvas.copy());
        decoded.delaysCs.push_back(control.DelayTime);
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

// Checks a written picture against the sequence: one frame per event, or per
// run of events whose lamps look alike when only the lamps are drawn; each
// frame's lamps; each frame starting within 10 ms of its time in the test.
// shortFrames: set to the number of frames the test shows for less than 20 ms.
void checkPicture(const SequenceFile& file, const QString& picture, int width, int zone,
                  int* shortFrames = nullptr)
{
    std::vector<long long> frameStartsMs;
    const Decoded decoded = decode(picture);
    QVERIFY(decoded.loopsForever);
    const AnimationFrames layout(width, QPalette());
    QCOMPARE(decoded.frames.empty() ? QSize() : decoded.frames[0].size(), layout.size());

    std::size_t frame = 0;
    long long shownStartMs = 0;
    for (int event = 0; event <= file.lastEvent; ++event) {
        const Lamps lamps = expectedLamps(file, event, zone);
        const bool joinsPrevious =
            event > 0 && !layout.showsGrid() && lamps == expectedLamps(file, event - 1, zone);
        if (event > 0 && !joinsPrevious)
            shownStartMs += 10LL * decoded.delaysCs[frame++];
        QVERIFY2(frame < decoded.frames.size(), qPrintable(QString::number(event)));
        if (joinsPrevious)
            continue;
        const long long trueStartMs = 1LL * event * file.pcSpeed;
        frameStartsMs.push_back(trueStartMs);
        if (file.pcSpeed >= 20)
            QVERIFY2(std::llabs(shownStartMs - trueStartMs) <= 10,
                     qPrintable(QStringLiteral("event %1").arg(event)));
        else
            QVERIFY(shownStartMs >= trueStartMs - 5);
        for (int led = 0; led < LedSequence::LedCount; ++led)
            QCOMPARE(QColor(decoded.frames[frame].pixel(layout.lampRect(led).center())),
                     QColor(lamps[std::size_t(led)]));
    }
    QCOMPARE(frame + 1, decoded.frames.size());
    frameStartsMs.push_back(1LL * (file.lastEvent + 1) * file.pcSpeed);
    if (shortFrames) {
        *shortFrames = 0;
        for (std::size_t at = 1; at < frameStartsMs.size(); ++at)
            *shortFrames += frameStartsMs[at] - frameStartsMs[at - 1] < 20;
    }
    long long totalMs = shownStartMs + 10LL * decoded.delaysCs[frame];
    for (int delay : decoded.delaysCs)
        QVERIFY(delay >= 2);
    const long long trueTotalMs = 1LL * (file.lastEvent + 1) * file.pcSpeed;
    QVERIFY(file.pcSpeed < 20 ? totalMs >= trueTotalMs - 5
                              : std::llabs(totalMs - trueTotalMs) <= 10);
}

SequenceFile readFile(const QString& path)
{
    const SequenceFileReader::Result read = SequenceFileReader::read(path);
    return read.ok() ? *read.file : SequenceFile();
}

QString examplePath(const char* name)
{
    return QDir(QStringLiteral(STROBIX_EXAMPLES)).filePath(QLatin1String(name));
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
    const Run run = runStrobix(QStringList{"--export-animation", file, picture} + options);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    checkPicture(readFile(file), picture, width, zone);
}

// Seeded random sequences: any cells, colours, servo modes, last event, test
// speed (short ones included), stick zone and width.
void ExportAnimationTest::randomSequences()
{
    QTemporaryDir dir;
    for (quint32 seed = 1; seed <= 12; ++seed) {
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
        const Run run = runStrobix(arguments);
        QCOMPARE(run.exitCode, 0);
        int shortFrames = 0;
        checkPicture(file, picture, width, zone, &shortFrames);
        // Exactly the frames too short for GIF, after merging, are reported.
        if (shortFrames == 0)
            QCOMPARE(run.err, QString());
        else
            QVERIFY2(
                run.err.contains(QStringLiteral("Warning: %1 of the pictures last less than 20 ms")
                                     .arg(shortFrames)),
                qPrintable(run.err));
        if (QTest::currentTestFailed())
            qWarning("seed %u", seed);
    }
}

void ExportAnimationTest::badInputs_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1: a good file, %2: a bad one, %3: a folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");

    const auto row = [](const char* name, const QStringList& arguments, int code, const char* err) {
        QTest::newRow(name) << arguments << code << QString::fromLatin1(err);
    };
    row("no picture named", {"--export-animation", "%1"}, 1, "needs the picture to write");
    row("two pictures", {"--export-animation", "%1", "%3/a.gif", "%3/b.gif"}, 1, "one name");
    row("size too small", {"--export-animation", "%1", "%3/a.gif", "--size", "15"}, 1,
        "--size takes a number from 16 to 2000, not '15'");
    row("size not a number", {"--export-animation", "%1", "%3/a.gif", "--size", "big"}, 1, "'big'");
    row("zone 4", {"--export-animation", "%1", "%3/a.gif", "--stick", "4"}, 1,
        "--stick takes a number from 0 to 3");
    row("size without export", {"--print", "%1", "--size", "100"}, 1, "go with --export-animation");
    row("export and print", {"--export-animation", "%1", "%3/a.gif", "--print", "%1"}, 1,
        "do not go together");
    row("bad data file", {"--export-animation", "%2", "%3/a.gif"}, 2, "Cannot read %2\nLine 1");
    row("missing data file", {"--export-animation", "%3/none.dat", "%3/a.gif"}, 2, "Cannot read");
    row("no such folder", {"--export-animation", "%1", "%3/none/a.gif"}, 6,
        "Cannot write %3/none/a.gif");
    row("a folder in the way", {"--export-animation", "%1", "%3"}, 6, "Nothing was written.");
    row("a file in the way", {"--export-animation", "%1", "%1/a.gif"}, 6, "Cannot write");
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
    const auto fill = [&](QString text) {
        return text.replace("%1", good).replace("%2", bad).replace("%3", folder);
    };
    for (QString& argument : arguments)
        argument = fill(argument);

    const Run run = runStrobix(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(fill(err)), qPrintable(run.err));
    // Nothing is left behind, not even a temporary file.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

QTEST_GUILESS_MAIN(ExportAnimationTest)
#include "tst_exportanimation.moc"
