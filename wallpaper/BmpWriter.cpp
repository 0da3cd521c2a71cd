#include "wallpaper/BmpWriter.h"

#include "files/AtomicFile.h"

#include <QtEndian>

#include <array>
#include <vector>

namespace marvane {

namespace {

void put16(unsigned char *p, quint16 v)
{
    qToLittleEndian(v, p);
}
void put32(unsigned char *p, quint32 v)
{
    qToLittleEndian(v, p);
}

void putRow(const QRgb *in, quint32 width, unsigned char *p)
{
    for (quint32 x = 0; x < width; ++x, p += 3) {
        p[0] = static_cast<unsigned char>(qBlue(in[x]));
        p[1] = static_cast<unsigned char>(qGreen(in[x]));
        p[2] = static_cast<unsigned char>(qRed(in[x]));
    }
}

} // namespace

Result<> writeBmp24(const QImage &source, QIODevice &device)
{
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<quint32>(image.width());
    const auto height = static_cast<quint32>(image.height());
    const quint32 stride = (width * 3 + 3) & ~3u;
    const quint64 dataSize = quint64(stride) * height;
    if (image.isNull() || dataSize + 54 > 0xFFFFFFFFull)
        return fail({}, QStringLiteral("the picture is too large for a bitmap file"));

    std::array<unsigned char, 54> header{};
    header[0] = 'B';
    header[1] = 'M';
    put32(&header[2], static_cast<quint32>(dataSize + 54));
    put32(&header[10], 54);
    put32(&header[14], 40);
    put32(&header[18], width);
    put32(&header[22], height);
    put16(&header[26], 1);
    put16(&header[28], 24);
    put32(&header[34], static_cast<quint32>(dataSize));
    put32(&header[38], 3780); // 96 dpi
    put32(&header[42], 3780);
    if (const Result<> e = writeAll(device, QByteArrayView(header.data(), 54)); !e)
        return e;

    // About a quarter megabyte per write: large enough for few calls, small enough to stay in cache.
    const quint32 rowsPerChunk = std::max<quint32>(1, (256u << 10) / stride);
    std::vector<unsigned char> chunk(static_cast<std::size_t>(stride) * rowsPerChunk, 0);
    // Bottom-up: the file's first row is the picture's last.
    for (quint32 row = height; row > 0;) {
        const quint32 rows = std::min(rowsPerChunk, row);
        for (quint32 i = 0; i < rows; ++i)
            putRow(reinterpret_cast<const QRgb *>(image.constScanLine(static_cast<int>(row - 1 - i))), width,
                   chunk.data() + std::size_t(i) * stride);
        row -= rows;
        const auto bytes = static_cast<qint64>(std::size_t(rows) * stride);
        if (const Result<> e = writeAll(device, QByteArrayView(chunk.data(), bytes)); !e)
            return e;
    }
    return {};
}

} // namespace marvane
