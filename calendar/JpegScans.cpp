#include "calendar/JpegScans.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include <algorithm>

namespace marvane {

namespace {

int be16(QByteArrayView b, qsizetype at)
{
    return at + 2 <= b.size() ? quint8(b.at(at)) << 8 | quint8(b.at(at + 1)) : 0;
}

bool isFrameStart(quint8 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

qint64 roundedUp(qint64 n, qint64 step)
{
    return (n + step - 1) / step * step;
}

// Each component's blocks of 8 x 8 coefficients of two bytes, in whole MCUs.
qint64 coefficientBytes(QByteArrayView b, qsizetype frame)
{
    const int height = be16(b, frame + 5);
    const int width = be16(b, frame + 7);
    const int components = frame + 9 < b.size() ? quint8(b.at(frame + 9)) : 0;
    int most[2] = {1, 1};
    for (int i = 0; i < components; ++i) {
        const int factors = frame + 11 + 3 * i < b.size() ? quint8(b.at(frame + 11 + 3 * i)) : 0x11;
        most[0] = std::max(most[0], factors >> 4);
        most[1] = std::max(most[1], factors & 15);
    }
    qint64 bytes = 0;
    for (int i = 0; i < components; ++i) {
        const int factors = frame + 11 + 3 * i < b.size() ? quint8(b.at(frame + 11 + 3 * i)) : 0x11;
        const int across = std::max(1, factors >> 4), down = std::max(1, factors & 15);
        const qint64 wide = (qint64(width) * across + 8 * most[0] - 1) / (8 * most[0]);
        const qint64 high = (qint64(height) * down + 8 * most[1] - 1) / (8 * most[1]);
        bytes += roundedUp(wide, across) * roundedUp(high, down) * 128;
    }
    return bytes;
}

// The file's bytes from a place on, read a megabyte at a time: the segments before the first scan
// may be many and small.
class Window
{
public:
    explicit Window(QIODevice &device) : m_device(device) {}

    QByteArrayView from(qint64 at, qsizetype length)
    {
        if (at < m_start || at + length > m_start + m_bytes.size()) {
            m_start = at;
            m_bytes = m_device.seek(at) ? m_device.read(qint64(1) << 20) : QByteArray();
        }
        return QByteArrayView(m_bytes).sliced(std::min<qsizetype>(at - m_start, m_bytes.size()));
    }

private:
    QIODevice &m_device;
    qint64 m_start = 0;
    QByteArray m_bytes;
};

// Where the first scan starts, past the marker segments before it, each of which says its own
// length; and the frame's coefficients, and whether it is progressive, on the way.
qint64 firstScan(QIODevice &device, qint64 &coefficients, bool &progressive)
{
    Window window(device);
    qint64 at = 2;
    // Past as many segments as a real picture never has, what follows is counted as scans are.
    for (int segments = 0; segments < 65536; ++segments) {
        const QByteArrayView m = window.from(at, 4);
        if (m.size() < 4 || quint8(m.at(0)) != 0xFF)
            return at;
        const quint8 code = quint8(m.at(1));
        if (code == 0xFF) { // any number of 0xFF may pad a marker
            ++at;
            continue;
        }
        if (code == 0xDA)
            return at;
        const int length = be16(m, 2);
        if (isFrameStart(code)) {
            coefficients = coefficientBytes(window.from(at, 2 + length), 0);
            progressive = code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE;
        }
        at += 2 + length;
    }
    return at;
}

} // namespace

JpegScans jpegScans(QIODevice &device, qint64 maxBytes)
{
    JpegScans found;
    qint64 coefficients = 0;
    bool progressive = false;
    const qint64 start = firstScan(device, coefficients, progressive);
    // Count the scans' markers up to the first picture's end, a block at a time.
    qint64 scans = 0;
    bool afterFf = false, ended = false;
    device.seek(start);
    for (qint64 read = 0; !ended && read < maxBytes;) {
        const QByteArray block = device.read(1 << 20);
        if (block.isEmpty())
            break;
        read += block.size();
        const auto seen = [&](char code) {
            ended = code == '\xD9';
            scans += code == '\xDA';
        };
        if (afterFf)
            seen(block.at(0));
        for (qsizetype ff = block.indexOf('\xFF'); !ended && ff >= 0 && ff + 1 < block.size();
             ff = block.indexOf('\xFF', ff + 1))
            seen(block.at(ff + 1));
        afterFf = block.endsWith('\xFF');
    }
    device.seek(0);
    found.scans = int(std::min<qint64>(scans, 1 << 30));
    if (progressive || found.scans > 1)
        found.coefficientBytes = coefficients;
    return found;
}

} // namespace marvane
