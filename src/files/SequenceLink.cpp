// SPDX-License-Identifier: MIT
#include "SequenceLink.h"

#include "SequenceFileReader.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int ChecksumBytes = 2;
constexpr int SpareColorBits = 16;

constexpr auto Base64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

// Bits per value at a file position; the spare colours are packed apart.
int bitsAt(int position)
{
    if (position < SequenceFile::FirstColor)
        return 4;
    if (position < SequenceFile::FirstSpareColor)
        return 3;
    if (position == SequenceFile::LastEventIndex)
        return 6;
    if (position < SequenceFile::PicSpeedIndex)
        return 4;
    return 7;
}

bool isSpareColor(int position)
{
    return position >= SequenceFile::FirstSpareColor && position < SequenceFile::LastEventIndex;
}

quint16 crc16(QByteArrayView bytes)
{
    quint16 crc = 0xFFFF;
    for (const char byte : bytes) {
        crc ^= quint16(quint8(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) != 0 ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

class BitWriter {
public:
    void put(quint32 value, int bits)
    {
        for (int bit = bits - 1; bit >= 0; --bit, ++m_count) {
            if (m_count % 8 == 0)
                m_bytes.append('\0');
            if ((value >> bit) & 1U)
                m_bytes[m_bytes.size() - 1] = char(m_bytes.back() | (0x80 >> (m_count % 8)));
        }
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    qint64 m_count = 0;
};

class BitReader {
public:
    explicit BitReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }
    // Past the end reads zeros; the length is checked once the flag is known.
    quint32 take(int bits)
    {
        quint32 value = 0;
        for (int bit = 0; bit < bits; ++bit, ++m_position) {
            const qsizetype byte = m_position / 8;
            const bool set =
                byte < m_bytes.size() && (quint8(m_bytes[byte]) & (0x80 >> (m_position % 8))) != 0;
            value = (value << 1) | (set ? 1U : 0U);
        }
        return value;
    }
    qsizetype bytesUsed() const { return (m_position + 7) / 8; }
    bool restIsZero()
    {
        while (m_position % 8 != 0)
            if (take(1) != 0)
                return false;
        return true;
    }

private:
    QByteArrayView m_bytes;
    qint64 m_position = 0;
};

SequenceLink::Decoded refused(SequenceLink::Problem problem, const QString& text)
{
    return {std::nullopt, problem, text};
}

SequenceLink::Decoded damaged(const QString& text)
{
    return refused(SequenceLink::Problem::Damaged, text);
}

QString lengthProblem()
{
    return SequenceLink::tr("The link is damaged: it is too short or too long, as if cut off or "
                            "run together with other text.");
}

// The value after "seq=" in a link, its fragment or the parameter alone.
std::optional<QString> valueIn(const QString& link)
{
    QString fragment = link.trimmed();
    if (const qsizetype hash = fragment.indexOf(QLatin1Char('#')); hash >= 0)
        fragment = fragment.mid(hash + 1);
    for (const QString& parameter : fragment.split(QLatin1Char('&')))
        if (parameter.startsWith(SequenceLink::Key))
            return parameter.mid(SequenceLink::Key.size());
    return std::nullopt;
}

bool isBase64UrlCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
           || c == u'-' || c == u'_';
}

// The version byte on: the payload and the checksum, all checked.
SequenceLink::Decoded unpack(const QByteArray& bytes)
{
    const QByteArrayView payload =
        QByteArrayView(bytes).sliced(1, bytes.size() - 1 - ChecksumBytes);
    BitReader reader(payload);
    SequenceFile::Values values{};
    for (int position = 0; position < SequenceFile::ValueCount; ++position)
        if (!isSpareColor(position))
            values[position] = int(reader.take(bitsAt(position)));
    if (reader.take(1) != 0)
        for (int index = 0; index < SequenceFile::SpareColorCount; ++index)
            values[SequenceFile::FirstSpareColor + index] =
                std::int16_t(quint16(reader.take(SpareColorBits)));
    if (reader.bytesUsed() != payload.size())
        return damaged(lengthProblem());
    if (!reader.restIsZero())
        return damaged(SequenceLink::tr("The link is damaged: it holds bits that no version of "
                                        "Strobix writes."));
    // Checked as the data file reader checks them: the bits rule out most
    // values, but not a last event of 50 to 63 or a speed of 0 or above 100.
    for (int position = 0; position < SequenceFile::ValueCount; ++position)
        if (!SequenceFile::valueRange(position).contains(values[position]))
            return damaged(SequenceLink::tr("The link is damaged: %1 is %2.")
                               .arg(SequenceFileReader::describeValue(position))
                               .arg(values[position]));
    return {SequenceFile::fromValues(values), SequenceLink::Problem::None, {}};
}

} // namespace

QString SequenceLink::encode(const SequenceFile& file)
{
    BitWriter writer;
    writer.put(Version, 8);
    SequenceFile::Values values = file.values();
    for (int event = 0; event < SequenceFile::EventCount; ++event)
        if (values[event] < 0 || values[event] > 15)
            values[event] = 0;
    for (int position = 0; position < SequenceFile::ValueCount; ++position)
        if (!isSpareColor(position))
            writer.put(quint32(values[position]), bitsAt(position));
    const bool spares = std::any_of(file.spareColors.begin(), file.spareColors.end(),
                                    [](std::int16_t color) { return color != 0; });
    writer.put(spares ? 1 : 0, 1);
    if (spares)
        for (const std::int16_t color : file.spareColors)
            writer.put(quint16(color), SpareColorBits);
    QByteArray bytes = writer.bytes();
    const quint16 checksum = crc16(bytes);
    bytes.append(char(checksum >> 8));
    bytes.append(char(checksum & 0xFF));
    return QString::fromLatin1(bytes.toBase64(Base64Url));
}

QString SequenceLink::link(const SequenceFile& file, const QString& base)
{
    return base.left(base.indexOf(QLatin1Char('#'))) + QLatin1Char('#') + Key + encode(file);
}

SequenceLink::Decoded SequenceLink::decode(const QString& link)
{
    const std::optional<QString> value = valueIn(link);
    if (!value)
        return damaged(tr("This is not a link to a sequence: it has no \"#seq=\" part."));
    for (const QChar c : *value)
        if (!isBase64UrlCharacter(c))
            return damaged(tr("The link is damaged: \"%1\" cannot be part of it.").arg(c));
    const QByteArray bytes = QByteArray::fromBase64(value->toLatin1(), Base64Url);
    // Only the one spelling the encoder gives: a character more or less, or
    // changed unused bits of the last one, is damage too.
    if (QString::fromLatin1(bytes.toBase64(Base64Url)) != *value
        || bytes.size() < 1 + ChecksumBytes)
        return damaged(lengthProblem());
    const qsizetype checked = bytes.size() - ChecksumBytes;
    const quint16 checksum = quint16(quint8(bytes[checked]) << 8 | quint8(bytes[checked + 1]));
    if (crc16(QByteArrayView(bytes).first(checked)) != checksum)
        return damaged(tr("The link is damaged: its check characters do not match the rest, so "
                          "something in it was changed."));
    const int version = quint8(bytes[0]);
    if (version > Version)
        return refused(Problem::Newer,
                       tr("The link was made by a newer version of Strobix (link format %1; "
                          "this version reads format %2). Open it with a newer version.")
                           .arg(version)
                           .arg(Version));
    if (version != Version)
        return damaged(tr("The link is damaged: it names no format of Strobix's links."));
    return unpack(bytes);
}

bool SequenceLink::isLink(const QString& argument)
{
    return argument.contains(QLatin1Char('#') + Key);
}
