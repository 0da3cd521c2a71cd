#include "calendar/JpegScans.h"

#include <QByteArrayView>

#include <algorithm>

namespace marvane {

namespace {

int be16(const QByteArray &b, qsizetype at)
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
qint64 coefficientBytes(const QByteArray &b, qsizetype frame)
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

} // namespace

JpegScans jpegScans(const QByteArray &b)
{
    JpegScans found;
    qsizetype at = 2;
    qint64 coefficients = 0;
    bool progressive = false;
    // The marker segments before the first scan; each says its own length.
    while (at + 4 <= b.size() && quint8(b.at(at)) == 0xFF) {
        const quint8 marker = quint8(b.at(at + 1));
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0xDA)
            break;
        if (isFrameStart(marker)) {
            coefficients = coefficientBytes(b, at);
            progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        }
        at += 2 + be16(b, at + 2);
    }
    at = std::min(at, b.size());
    const QByteArrayView view(b);
    qsizetype end = view.indexOf("\xFF\xD9", at);
    if (end < 0)
        end = view.size();
    found.scans = int(std::min<qsizetype>(view.sliced(at, end - at).count("\xFF\xDA"), 1 << 30));
    if (progressive || found.scans > 1)
        found.coefficientBytes = coefficients;
    return found;
}

} // namespace marvane
