// SPDX-License-Identifier: MIT
// Renders the program's SVG icon into the Windows icon (16 to 256 pixels, one
// file) and the PNG that Windows builds carry instead of the SVG (no SVG
// support there). Run by hand when the icon changes:
//   g++ -std=c++17 -fPIC render-icon.cpp $(pkg-config --cflags --libs Qt6Gui Qt6Svg) -o render-icon
//   QT_QPA_PLATFORM=offscreen ./render-icon ../../packaging/strobix.svg ../../packaging/windows
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage render(QSvgRenderer& svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// An icon file of PNG images (Windows Vista and later read them): a header,
// one directory entry per image, then the images.
QByteArray iconFile(QSvgRenderer& svg, const QList<int>& sizes)
{
    QList<QByteArray> images;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        render(svg, size).save(&buffer, "PNG");
        images << png;
    }
    auto put16 = [](QByteArray& out, quint16 value) {
        out.append(char(value & 0xff)).append(char(value >> 8));
    };
    auto put32 = [&put16](QByteArray& out, quint32 value) {
        put16(out, quint16(value & 0xffff));
        put16(out, quint16(value >> 16));
    };
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, quint16(sizes.size()));
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const int size = sizes.at(i);
        out.append(char(size >= 256 ? 0 : size)).append(char(size >= 256 ? 0 : size));
        out.append(char(0)).append(char(0)); // no palette, reserved
        put16(out, 1);                       // planes
        put16(out, 32);                      // bits per pixel
        put32(out, quint32(images.at(i).size()));
        put32(out, offset);
        offset += quint32(images.at(i).size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render-icon <icon.svg> <output folder>\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QFile ico(folder + QStringLiteral("/strobix.ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(iconFile(svg, {16, 24, 32, 48, 64, 256})) < 0)
        return 1;
    return render(svg, 256).save(folder + QStringLiteral("/strobix.png")) ? 0 : 1;
}
