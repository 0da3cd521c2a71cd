// libFuzzer target for what reads a PNG's or JPEG's bytes before Qt's readers do: the metadata
// filter and the scan count. The first byte picks the format; any bytes must be read to their
// end without a crash or an unbounded loop, and the filter never hands on more than it was given.
#include "calendar/JpegScans.h"
#include "calendar/PictureData.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray format = data[0] & 1 ? "jpeg" : "png";
    QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    marvane::PictureData picture(file, format);
    qint64 handedOn = 0;
    char block[4096];
    for (qint64 n; (n = picture.read(block, sizeof block)) > 0;)
        handedOn += n;
    if (handedOn > bytes.size())
        std::abort();
    if (format == "jpeg") {
        file.seek(0);
        if (marvane::jpegScans(file, bytes.size()).scans < 0)
            std::abort();
    }
    return 0;
}
