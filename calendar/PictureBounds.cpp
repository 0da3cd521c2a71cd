#include "calendar/PictureBounds.h"

#include "calendar/BackgroundPicture.h"

#include <QByteArrayList>
#include <QIODevice>

#include <algorithm>

namespace marvane {

using namespace Qt::StringLiterals;

namespace {

bool holdsTheFile(const QImageReader &reader)
{
    static const QByteArrayList kFormats{"webp", "tiff", "ico", "cur", "icns", "mng"};
    return kFormats.contains(reader.format());
}

// What reading a picture whole takes: its image, at 8 bytes a pixel for 16 bits a channel, and
// what Qt's reader holds beside it: all but the PNG reader a quarter more (measured at 4600 x
// 4400), and the WebP, TIFF, icon and MNG readers as much as the whole file: WebP's reader reads
// it all, a TIFF's tags (a description, say) and an icon's pictures are held whole.
qint64 readingTakes(QImageReader &reader)
{
    const int bits = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel();
    const qint64 image = bytesOf(reader.size()) * std::max(1, bits / 32);
    const qint64 beside = reader.format() == "png" ? 0 : image / 4;
    return image + beside + (holdsTheFile(reader) ? reader.device()->size() : 0);
}

} // namespace

// The size to ask the reader for a picture shown at `shown`. A JPEG is decoded at a half, a quarter
// or an eighth where that is still at least the size shown, and the rest of the way it is scaled
// as it is painted: a smooth scaling of the whole picture first would cost about 100 ms more at
// 3840x2160. An SVG is drawn at the size shown, and a PNG of 32 bits a pixel read shrunk to it;
// any other picture is read as stored and scaled as it is painted: enlarged, at 16 bits a channel,
// with a palette, or in a format whose reader does not scale as it reads, it would be held both as
// stored and as shown (measured at 2300 x 2200 and 4000 x 4000 on 3840 x 2160).
QSize decodedSize(const QImageReader &reader, QSize stored, QSize shown)
{
    if (reader.format() == "svg")
        return shown;
    const bool shrunk = shown.width() <= stored.width() && shown.height() <= stored.height();
    if (reader.format() == "png")
        return shrunk && QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel() == 32 ? shown : stored;
    if (reader.format() != "jpeg")
        return stored;
    int eighths = 8;
    while (eighths > 1 && (stored.width() / eighths < shown.width() || stored.height() / eighths < shown.height()))
        eighths /= 2;
    return QSize(stored.width() / eighths, stored.height() / eighths);
}

Result<> checkHeader(QImageReader &reader, const QString &file, QSize screen)
{
    // Such a reader holds what the file holds, copied, as soon as it reads the header (a TIFF of
    // 1 x 1 pixels with a description of 100 MB took 172 MB).
    const qint64 bound = bytesOf(screen) + kDecodedMargin;
    if (holdsTheFile(reader) && 2 * reader.device()->size() > bound)
        return fail(file, u"cannot use %1: its reader would hold its %2 MB twice, more than %3 MB on this screen"_s
                              .arg(file).arg(reader.device()->size() >> 20).arg(bound >> 20));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return fail(file, u"cannot read %1: the picture is damaged or cut short"_s.arg(file));
    if (size.width() > BackgroundPicture::kMaxSide || size.height() > BackgroundPicture::kMaxSide)
        return fail(file, u"cannot use %1: it is %2 x %3 pixels, more than %4 a side"_s.arg(file)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(BackgroundPicture::kMaxSide));
    if (bytesOf(size) > BackgroundPicture::kMaxBytes)
        return fail(file, u"cannot use %1: it would take more than 256 MB once read"_s.arg(file));
    const qint64 takes = readingTakes(reader);
    if (reader.format() != "jpeg" && takes > bound)
        return fail(file, u"cannot use %1: at %2 x %3 pixels it would take %4 MB once read, more than %5 MB "
                          "on this screen"_s.arg(file).arg(size.width()).arg(size.height())
                              .arg(takes >> 20).arg(bound >> 20));
    return {};
}

} // namespace marvane
