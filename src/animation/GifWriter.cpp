// SPDX-License-Identifier: MIT
#include "GifWriter.h"

#include <QHash>
#include <QIODevice>

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

namespace {

constexpr int MaxColors = 256;
using Pixels = std::vector<std::uint8_t>; // colour indices, row after row

struct ColorMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColorMap = std::unique_ptr<ColorMapObject, ColorMapDeleter>;

// The colours of all frames, most used first.
QList<QRgb> colorsByUse(const QList<QImage>& frames)
{
    QHash<QRgb, qint64> uses;
    for (const QImage& frame : frames)
        for (int y = 0; y < frame.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x)
                ++uses[line[x] | 0xFF000000u];
        }
    QList<QRgb> colors = uses.keys();
    std::sort(colors.begin(), colors.end(),
              [&uses](QRgb a, QRgb b) { return uses[a] != uses[b] ? uses[a] > uses[b] : a < b; });
    colors.resize(std::min<qsizetype>(colors.size(), MaxColors));
    return colors;
}

int distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

class Quantizer {
public:
    explicit Quantizer(const QList<QRgb>& palette)
        : m_palette(palette)
    {
        for (int index = 0; index < palette.size(); ++index)
            m_index.insert(palette[index], std::uint8_t(index));
    }

    std::uint8_t indexOf(QRgb color)
    {
        color |= 0xFF000000u;
        const auto known = m_index.constFind(color);
        if (known != m_index.constEnd())
            return *known;
        const auto nearest =
            std::min_element(m_palette.begin(), m_palette.end(), [color](QRgb a, QRgb b) {
                return distance(a, color) < distance(b, color);
            });
        const auto index = std::uint8_t(nearest - m_palette.begin());
        m_index.insert(color, index);
        return index;
    }

    Pixels pixelsOf(const QImage& frame)
    {
        Pixels pixels;
        pixels.reserve(std::size_t(frame.width()) * std::size_t(frame.height()));
        for (int y = 0; y < frame.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x)
                pixels.push_back(indexOf(line[x]));
        }
        return pixels;
    }

private:
    QList<QRgb> m_palette;
    QHash<QRgb, std::uint8_t> m_index;
};

ColorMap colorMapOf(const QList<QRgb>& palette)
{
    int size = 2; // GIF tables hold a power of two, at least two, entries
    while (size < palette.size())
        size *= 2;
    std::vector<GifColorType> entries(std::size_t(size), GifColorType{0, 0, 0});
    for (int index = 0; index < palette.size(); ++index)
        entries[std::size_t(index)] = {GifByteType(qRed(palette[index])),
                                       GifByteType(qGreen(palette[index])),
                                       GifByteType(qBlue(palette[index]))};
    return ColorMap(GifMakeMapObject(size, entries.data()));
}

// The smallest rectangle holding every pixel that differs; one pixel when none does.
QRect changedRect(const Pixels& before, const Pixels& after, QSize size)
{
    QRect changed;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(size.width()) + std::size_t(x);
            if (before[at] != after[at])
                changed |= QRect(x, y, 1, 1);
        }
    return changed.isEmpty() ? QRect(0, 0, 1, 1) : changed;
}

int writeToDevice(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return int(device->write(reinterpret_cast<const char*>(bytes), length));
}

class Encoder {
public:
    explicit Encoder(QIODevice& device)
        : m_gif(EGifOpen(&device, writeToDevice, &m_error))
    {
    }
    ~Encoder()
    {
        if (m_gif)
            EGifCloseFile(m_gif, nullptr);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    bool start(QSize size, const ColorMapObject* colors)
    {
        if (!m_gif)
            return false;
        EGifSetGifVersion(m_gif, true);
        return check(EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, colors))
               && loopForever();
    }

    bool putFrame(const Pixels& pixels, int width, const QRect& rect, int delayCs)
    {
        GraphicsControlBlock control{DISPOSE_DO_NOT, false, delayCs, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        const auto length = int(EGifGCBToExtension(&control, extension));
        if (!check(EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, length, extension))
            || !check(EGifPutImageDesc(m_gif, rect.left(), rect.top(), rect.width(), rect.height(),
                                       false, nullptr)))
            return false;
        Pixels line(std::size_t(rect.width()));
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const auto row = pixels.begin() + std::ptrdiff_t(y) * width + rect.left();
            std::copy(row, row + rect.width(), line.begin());
            if (!check(EGifPutLine(m_gif, line.data(), rect.width())))
                return false;
        }
        return true;
    }

    bool finish()
    {
        GifFileType* gif = std::exchange(m_gif, nullptr);
        return check(EGifCloseFile(gif, &m_error));
    }

    QString error() const { return QString::fromUtf8(GifErrorString(m_error)); }

private:
    // The NETSCAPE2.0 block: a loop count of 0 repeats forever.
    bool loopForever()
    {
        static const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType loops[] = {1, 0, 0};
        return check(EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE))
               && check(EGifPutExtensionBlock(m_gif, sizeof name, name))
               && check(EGifPutExtensionBlock(m_gif, sizeof loops, loops))
               && check(EGifPutExtensionTrailer(m_gif));
    }

    bool check(int result)
    {
        if (result == GIF_OK)
            return true;
        if (m_gif)
            m_error = m_gif->Error;
        return false;
    }

    int m_error = 0;
    GifFileType* m_gif;
};

} // namespace

namespace GifWriter {

QString write(QIODevice& device, const QList<QImage>& frames, const std::vector<int>& delaysCs)
{
    if (frames.isEmpty() || std::size_t(frames.size()) != delaysCs.size())
        return QStringLiteral("no frames to write");
    QList<QImage> rgbFrames;
    for (const QImage& frame : frames)
        rgbFrames.append(frame.convertToFormat(QImage::Format_RGB32));
    const QSize size = rgbFrames.constFirst().size();
    const QList<QRgb> palette = colorsByUse(rgbFrames);
    Quantizer quantizer(palette);
    const ColorMap colors = colorMapOf(palette);
    Encoder encoder(device);
    if (!colors || !encoder.start(size, colors.get()))
        return encoder.error();
    Pixels previous;
    for (qsizetype index = 0; index < rgbFrames.size(); ++index) {
        Pixels pixels = quantizer.pixelsOf(rgbFrames[index]);
        const QRect rect =
            previous.empty() ? QRect(QPoint(0, 0), size) : changedRect(previous, pixels, size);
        if (!encoder.putFrame(pixels, size.width(), rect, delaysCs[std::size_t(index)]))
            return encoder.error();
        previous = std::move(pixels);
    }
    return encoder.finish() ? QString() : encoder.error();
}

} // namespace GifWriter
