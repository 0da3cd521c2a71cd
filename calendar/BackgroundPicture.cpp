#include "calendar/BackgroundPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

struct Placement
{
    QSize size;     // as shown
    QPoint position; // of its top-left corner on the screen
};

Placement placementOf(int style, QSize picture, QSize screen)
{
    const double across = double(screen.width()) / picture.width();
    const double down = double(screen.height()) / picture.height();
    QSize size = picture;
    if (style == BackgroundPicture::Fill || style == BackgroundPicture::Fit) {
        const double scale = style == BackgroundPicture::Fill ? std::max(across, down) : std::min(across, down);
        const auto scaled = [scale](int length) { return std::max(1, int(std::lround(length * scale))); };
        size = QSize(scaled(picture.width()), scaled(picture.height()));
    } else if (style == BackgroundPicture::Stretch) {
        size = screen;
    }
    if (style == BackgroundPicture::Tile || style == BackgroundPicture::Stretch)
        return {size, QPoint(0, 0)};
    return {size, QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2)};
}

// A JPEG ends with its end-of-image marker; one without it was cut short, and Qt would show the
// missing part grey rather than fail.
bool jpegIsWhole(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() < 4)
        return false;
    in.seek(std::max<qint64>(0, in.size() - 4096));
    return in.read(4096).contains("\xFF\xD9");
}

// The size to ask the reader for a picture shown at `shown`. A JPEG is decoded at a half, a quarter
// or an eighth where that is still at least the size shown, and the rest of the way it is scaled
// as it is painted: a smooth scaling of the whole picture first would cost about 100 ms more at
// 3840x2160. Any other picture is read at the size shown.
QSize decodedSize(const QImageReader &reader, QSize stored, QSize shown)
{
    if (reader.format() != "jpeg")
        return shown;
    int eighths = 8;
    while (eighths > 1 && (stored.width() / eighths < shown.width() || stored.height() / eighths < shown.height()))
        eighths /= 2;
    return QSize(stored.width() / eighths, stored.height() / eighths);
}

// Whether the picture may be read, judged from its header.
Result<> checkHeader(QImageReader &reader, const QString &file)
{
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return fail(file, u"cannot read %1: the picture is damaged or cut short"_s.arg(file));
    if (size.width() > BackgroundPicture::kMaxSide || size.height() > BackgroundPicture::kMaxSide)
        return fail(file, u"cannot use %1: it is %2 x %3 pixels, more than %4 a side"_s.arg(file)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(BackgroundPicture::kMaxSide));
    if (qint64(size.width()) * size.height() * 4 > BackgroundPicture::kMaxBytes)
        return fail(file, u"cannot use %1: it would take more than 256 MB once read"_s.arg(file));
    if (reader.format() == "jpeg" && !jpegIsWhole(file))
        return fail(file, u"cannot read %1: the picture is cut short"_s.arg(file));
    return {};
}

} // namespace

Result<BackgroundPicture> BackgroundPicture::read(const QString &file, int style, QSize screen)
{
    const QFileInfo info(file);
    if (!info.exists())
        return fail(file, u"cannot read %1: there is no such file"_s.arg(file));
    // A FIFO or a device has no end to read to.
    if (!info.isFile())
        return fail(file, u"cannot read %1: not a regular file"_s.arg(file));
    QImageReader reader(file);
    // By what the file holds, whatever its name says.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(int(kMaxBytes >> 20));
    if (!reader.canRead())
        return fail(file, u"cannot read %1: it is not a picture in a format Marvane reads"_s.arg(file));
    if (const Result<> readable = checkHeader(reader, file); !readable)
        return std::unexpected(readable.error());
    // The turn its EXIF data asks for comes after the scaling, so the scaling is asked of the
    // picture as stored.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize stored = reader.size();
    const Placement place = placementOf(style, turned ? stored.transposed() : stored, screen);
    const QSize decoded = decodedSize(reader, stored, turned ? place.size.transposed() : place.size);
    if (decoded != stored)
        reader.setScaledSize(decoded);
    QImage image = reader.read();
    if (image.isNull())
        return fail(file, u"cannot read %1: %2"_s.arg(file, reader.errorString()));
    // Tiles repeat the picture as it is; a picture shrunk by more than half is scaled smoothly here.
    const bool paintScaled = style != Tile && image.width() < 2 * place.size.width() &&
                             image.height() < 2 * place.size.height();
    if (image.size() != place.size && !paintScaled)
        image = image.scaled(place.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return BackgroundPicture(std::move(image), QRect(place.position, place.size), style == Tile);
}

QString BackgroundPicture::fileFilter()
{
    QStringList patterns;
    for (const QByteArray &suffix : QImageReader::supportedImageFormats())
        patterns << u"*."_s + QString::fromLatin1(suffix);
    return QCoreApplication::translate("BackgroundPicture", "Pictures (%1)").arg(patterns.join(u' '));
}

void BackgroundPicture::paint(Canvas &canvas) const
{
    if (m_tiled)
        canvas.tileImage(m_image);
    else
        canvas.drawImage(m_shown, m_image);
}

} // namespace marvane
