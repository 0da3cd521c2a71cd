#include "calendar/PictureData.h"

#include <QByteArrayList>

#include <algorithm>
#include <cstring>

namespace marvane {

namespace {

qint64 bigEndian(const QByteArray &b, qsizetype at, int bytes)
{
    qint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | quint8(b.at(at + i));
    return v;
}

// A PNG's chunks that make its pixels; a kept one other than the picture data is short.
bool keepsPngChunk(const QByteArray &type, qint64 length)
{
    static const QByteArrayList kPixels{"IHDR", "PLTE", "tRNS", "gAMA", "cHRM", "sRGB", "sBIT", "IDAT", "IEND"};
    return kPixels.contains(type) && (type == "IDAT" || length <= 65536);
}

// Markers a JPEG segment with no length follows: the start, restarts and TEM.
bool standsAlone(quint8 code)
{
    return code == 0xD8 || (code >= 0xD0 && code <= 0xD7) || code == 0x01;
}

} // namespace

PictureData::PictureData(QIODevice &source, const QByteArray &format)
    : m_source(source), m_kind(format == "png" ? Kind::Png : format == "jpeg" ? Kind::Jpeg : Kind::Other)
{
    m_passing = m_kind == Kind::Other;
    open(QIODevice::ReadOnly);
}

bool PictureData::take(QByteArray &into, qint64 count)
{
    const QByteArray got = m_source.read(count);
    into += got;
    return got.size() == count;
}

qint64 PictureData::readData(char *data, qint64 maxSize)
{
    qint64 made = 0;
    while (made < maxSize) {
        if (!m_ready.isEmpty()) {
            const qint64 n = std::min<qint64>(maxSize - made, m_ready.size());
            std::memcpy(data + made, m_ready.constData(), size_t(n));
            m_ready.remove(0, qsizetype(n));
            made += n;
        } else if (m_passing || m_pending > 0) {
            const qint64 n = m_source.read(data + made, m_passing ? maxSize - made : std::min(maxSize - made, m_pending));
            if (n <= 0) {
                m_ended = true;
                break;
            }
            made += n;
            m_pending -= m_passing ? 0 : n;
        } else if (m_skipping > 0) {
            const qint64 n = m_source.skip(m_skipping);
            m_ended = n <= 0;
            m_skipping = m_ended ? 0 : m_skipping - n;
        } else if (m_ended) {
            break;
        } else if (m_kind == Kind::Png) {
            nextPng();
        } else {
            nextJpeg();
        }
    }
    return made > 0 || !m_ended ? made : -1;
}

void PictureData::nextPng()
{
    if (!m_started) {
        m_started = true;
        m_ended = !take(m_ready, 8); // the signature
        return;
    }
    QByteArray head;
    if (!take(head, 8)) {
        m_ready += head;
        m_ended = true;
        return;
    }
    const qint64 length = bigEndian(head, 0, 4);
    if (keepsPngChunk(head.mid(4, 4), length)) {
        m_ready += head;
        m_pending = length + 4; // with its check sum
    } else {
        leaveOut(length + 4);
    }
}

void PictureData::nextJpeg()
{
    QByteArray head;
    if (!take(head, 2) || quint8(head.at(0)) != 0xFF) {
        // Not a marker where one belongs: libjpeg is given it as it is, and says what is wrong.
        m_ready += head;
        m_passing = true;
        return;
    }
    while (quint8(head.at(1)) == 0xFF) { // any number of 0xFF may pad a marker
        head.remove(1, 1);
        if (!take(head, 1)) {
            m_passing = true;
            return;
        }
    }
    const quint8 code = quint8(head.at(1));
    // From the first scan on everything is handed on.
    m_passing = code == 0xDA || code == 0xD9;
    if (m_passing || standsAlone(code) || !take(head, 2)) {
        m_ready += head;
        return;
    }
    const qint64 payload = std::max<qint64>(0, bigEndian(head, 2, 2) - 2);
    const bool application = code >= 0xE0 && code <= 0xEF;
    bool keep = code != 0xFE && (!application || code == 0xE0 || code == 0xEE);
    if (code == 0xE1) {
        // Only the first EXIF segment: XMP and the like are left out.
        QByteArray first;
        take(first, std::min<qint64>(6, payload));
        keep = !m_exifKept && first == QByteArray("Exif\0\0", 6);
        m_exifKept = m_exifKept || keep;
        head += first;
    }
    const qint64 rest = payload - (head.size() - 4);
    if (keep) {
        m_ready += head;
        m_pending = rest;
    } else {
        leaveOut(rest);
    }
}

void PictureData::leaveOut(qint64 bytes)
{
    // Millions of empty segments would take seconds to walk: such a file ends here, and its
    // reader says it is damaged.
    constexpr int kMostLeftOut = 65536;
    m_ended = ++m_leftOut > kMostLeftOut;
    m_skipping = m_ended ? 0 : bytes;
}

} // namespace marvane
