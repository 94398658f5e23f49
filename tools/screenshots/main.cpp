// SPDX-License-Identifier: MIT
// Draws the program's windows offscreen and saves them as PNG files, at one
// and two device pixels per pixel, so the manual's pictures always show the
// program as it is built now.
//
//   strobix-screenshots [--language CODE] <images folder>
//                       [<copy of the main window picture> [<examples folder>]]
//
// --language draws the windows in that language (a translated manual's
// pictures); English otherwise, whatever the desktop speaks.
//
// With an examples folder it also draws each example's visual test as an
// animated picture, images/gallery/<example>.gif, as --export-animation does.

#include "AnimationExport.h"
#include "LedSequence.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "SequenceFile.h"
#include "SequenceFileReader.h"
#include "ServoControl.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "Translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>

#include <array>
#include <cstdio>

namespace {

constexpr std::array<qreal, 2> Scales{1.0, 2.0};
constexpr std::array<int, 2> IconSizes{64, 128};

QString fileFor(const QString& folder, const QString& name, qreal scale)
{
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QDir(folder).filePath(name + suffix + QStringLiteral(".png"));
}

QImage snapshot(QWidget& widget, qreal scale)
{
    if (scale == 1.0)
        return widget.grab().toImage();
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

bool save(const QImage& image, const QString& path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool saveAllScales(QWidget& widget, const QString& folder, const QString& name)
{
    bool ok = true;
    for (qreal scale : Scales)
        ok = save(snapshot(widget, scale), fileFor(folder, name, scale)) && ok;
    return ok;
}

// The window with its settings dialog at hand.
class PictureWindow : public MainWindow {
public:
    using MainWindow::MainWindow;
    SettingsDialog& settingsDialog() { return internals().settings.dialog(); }
};

// A chase over the four LEDs in their own colours, with LED#4 following the
// servo stick, ending at event 32.
void drawExampleSequence(SequenceDocument& document)
{
    LedSequence sequence;
    constexpr std::array<int, LedSequence::LedCount> colors{1, 2, 3, 4}; // red, green, yellow, blue
    for (int led = 0; led < LedSequence::LedCount; ++led)
        sequence.setLedColor(led, colors[led]);
    for (int event = 0; event < 24; ++event)
        sequence.setCell(event % 4, event, 1);
    for (int event = 24; event < 32; event += 2) {
        for (int led = 0; led < LedSequence::LedCount; ++led)
            sequence.setCell(led, event, 1);
    }
    sequence.setServoMode(3, 12);
    sequence.setLastEvent(31);
    document.restoreRecovered(SequenceFile::capture(sequence, document.settings()), QString(),
                              document.caption());
}

// A dark palette as a desktop's dark theme would give it, for the picture that
// shows the window stays readable under one.
QPalette darkPalette()
{
    QPalette palette;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Light, QColor(80, 80, 80));
    palette.setColor(QPalette::Midlight, QColor(66, 66, 66));
    palette.setColor(QPalette::Mid, QColor(44, 44, 44));
    palette.setColor(QPalette::Dark, QColor(25, 25, 25));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// The example sequence at 200%, and under the Fusion style with a dark palette.
bool saveZoomAndDark(MainWindow& window, const QString& folder)
{
    window.setZoomPercent(200);
    bool ok = save(snapshot(window, 1.0), fileFor(folder, QStringLiteral("zoom-200"), 1.0));
    window.setZoomPercent(100);

    const QPalette light = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
    QCoreApplication::processEvents();
    ok = saveAllScales(window, folder, QStringLiteral("dark-palette")) && ok;
    QApplication::setPalette(light);
    return ok;
}

bool saveIcon(const QString& folder)
{
    const QIcon icon(QStringLiteral(STROBIX_ICON_FILE));
    bool ok = true;
    for (int size : IconSizes) {
        const QString path = QDir(folder).filePath(QStringLiteral("strobix-icon-%1.png").arg(size));
        ok = save(icon.pixmap(size, size).toImage(), path) && ok;
    }
    return ok;
}

bool saveGallery(const QString& examplesFolder, const QString& folder)
{
    const QDir gallery(QDir(folder).filePath(QStringLiteral("gallery")));
    gallery.mkpath(QStringLiteral("."));
    bool ok = true;
    const QDir examples(examplesFolder);
    for (const QString& name : examples.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
        const SequenceFileReader::Result read = SequenceFileReader::read(examples.filePath(name));
        if (!read.ok()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            ok = false;
            continue;
        }
        LedSequence sequence;
        ProgramSettings settings;
        read.file->openInto(sequence, settings);
        const QString picture = gallery.filePath(QFileInfo(name).completeBaseName() + ".gif");
        const QString problem = AnimationExport::save(
            AnimationExport::animate(sequence, settings.pcSpeed(), {}, QApplication::palette()),
            picture);
        if (!problem.isEmpty())
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(picture), qPrintable(problem));
        ok = problem.isEmpty() && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--language") == 0) {
        Translations::install(app, QLocale(QString::fromLocal8Bit(argv[2])));
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s [--language CODE] <images folder> [<main window copy> "
                     "[<examples folder>]]\n",
                     argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    // A working folder of its own, so no LED.cfg of the user's is read.
    QTemporaryDir workDir;
    PictureWindow window(workDir.filePath(QStringLiteral("LED.cfg")));
    // Whatever zoom the user last chose, the pictures show the window at 100%.
    window.setZoomPercent(100);
    window.show();
    bool ok = saveAllScales(window, folder, QStringLiteral("main-window"));

    SettingsDialog& settings = window.settingsDialog();
    settings.show();
    ok = saveAllScales(settings, folder, QStringLiteral("settings-dialog")) && ok;
    settings.hide();

    // Before the dark palette and the Fusion style: the window's own look.
    if (argc > 3)
        ok = saveGallery(QString::fromLocal8Bit(argv[3]), folder) && ok;

    drawExampleSequence(window.document());
    ok = saveAllScales(window, folder, QStringLiteral("sequence")) && ok;
    ok = saveZoomAndDark(window, folder) && ok;
    ok = saveIcon(folder) && ok;

    if (argc > 2) {
        const QString copy = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(QFileInfo(copy).path());
        QFile::remove(copy);
        ok = QFile::copy(fileFor(folder, QStringLiteral("main-window"), 1.0), copy) && ok;
    }
    return ok ? 0 : 1;
}
