#include "calendar/PictureWhole.h"

#include <QIODevice>

#include <algorithm>
#include <cstdlib>

namespace marvane {

namespace {

quint32 le32(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + 4 > b.size())
        return 0;
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | quint8(b.at(at + i));
    return v;
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return at >= 0 && at + 2 <= b.size() ? quint16(quint8(b.at(at)) | quint8(b.at(at + 1)) << 8) : 0;
}

// An uncompressed or bit-field BMP has all its rows; the compressed kinds end where their codes say.
bool bmpIsWhole(const QByteArray &b, qint64 size)
{
    const quint32 dataAt = le32(b, 10);
    const auto width = qint64(qint32(le32(b, 18)));
    const auto height = qint64(qint32(le32(b, 22)));
    const quint16 bits = le16(b, 28);
    const quint32 compression = le32(b, 30);
    if (b.size() < 54)
        return false;
    if (compression != 0 && compression != 3)
        return true;
    const qint64 stride = ((width * bits + 31) / 32) * 4;
    return qint64(dataAt) + stride * std::abs(height) <= size;
}

// An icon's directory names where each picture lies: all of them must be in the file.
bool icoIsWhole(const QByteArray &b, qint64 size)
{
    const int count = le16(b, 4);
    if (count == 0 || 6 + 16 * qint64(count) > b.size())
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (qint64(le32(b, entry + 12)) + le32(b, entry + 8) > size)
            return false;
    }
    return true;
}

// Qt paints a GIF's first frame onto its logical screen and leaves out what lies beyond it.
bool gifFrameFits(const QByteArray &b)
{
    const int width = le16(b, 6);
    const int height = le16(b, 8);
    qsizetype at = 13;
    if (b.size() > 10 && (b[10] & 0x80))
        at += 3 * (qsizetype(1) << ((b[10] & 7) + 1));
    // Extensions before the first image: 0x21, a label, then blocks until an empty one.
    while (at < b.size() && b[at] == 0x21) {
        at += 2;
        while (at < b.size() && b[at] != 0)
            at += quint8(b[at]) + 1;
        ++at;
    }
    if (at + 10 > b.size() || b[at] != 0x2C)
        return false;
    return le16(b, at + 1) + le16(b, at + 5) <= width && le16(b, at + 3) + le16(b, at + 7) <= height;
}

} // namespace

bool pictureIsWhole(QIODevice &device, const QByteArray &format)
{
    // What the checks need: the headers at the start, the end, and the size.
    const qint64 at = device.pos();
    const qint64 size = device.size();
    // A JPEG and a PNG are judged by their end alone.
    const bool byEnd = format == "jpeg" || format == "png";
    const QByteArray head = !byEnd && device.seek(0) ? device.read(1 << 20) : QByteArray();
    const QByteArray tail = device.seek(std::max<qint64>(0, size - 4096)) ? device.read(4096) : QByteArray();
    device.seek(at);
    if (format == "jpeg")
        return size >= 4 && tail.contains("\xFF\xD9");
    if (format == "png")
        return tail.right(64).contains("IEND");
    if (format == "gif")
        return (tail.endsWith(';') || tail.endsWith(QByteArray(";\0", 2))) && gifFrameFits(head);
    if (format == "bmp")
        return bmpIsWhole(head, size);
    if (format == "ico" || format == "cur")
        return icoIsWhole(head, size);
    if (format == "webp")
        return qint64(le32(head, 4)) + 8 <= size;
    return true;
}

} // namespace marvane
