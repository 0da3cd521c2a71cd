#include "calendar/BackgroundPicture.h"

#include "calendar/JpegScans.h"
#include "calendar/PictureBounds.h"
#include "calendar/PictureData.h"
#include "calendar/PictureWhole.h"
#include "calendar/SafeSvg.h"
#include "calendar/ScaledJpeg.h"
#include "files/FileRead.h"
#include "platform/StandardError.h"
#include "platform/WorkApart.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

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

// The image libraries' own lines, kept off standard error while a picture is decoded: a picture
// that fails is told in one line of the program's, which carries the first of them.
class DecoderMessages
{
public:
    DecoderMessages() : m_previous(qInstallMessageHandler(&DecoderMessages::keep)) { s_lines = &m_lines; }
    ~DecoderMessages()
    {
        qInstallMessageHandler(m_previous);
        s_lines = nullptr;
    }
    DecoderMessages(const DecoderMessages &) = delete;
    DecoderMessages &operator=(const DecoderMessages &) = delete;

    QString first() const { return m_lines.isEmpty() ? QString() : u" ("_s + m_lines.first() + u')'; }

private:
    static void keep(QtMsgType, const QMessageLogContext &, const QString &line)
    {
        if (s_lines && s_lines->size() < 8)
            s_lines->append(line.simplified());
    }

    static inline QStringList *s_lines = nullptr;
    QStringList m_lines;
    QtMessageHandler m_previous;
};

// A picture many times the screen (a thin strip filling it): only the part on the screen is made.
QImage visiblePart(QImageReader &reader, QRect shown, QRect visible)
{
    if (reader.format() == "svg") {
        reader.setScaledSize(shown.size());
        reader.setScaledClipRect(visible.translated(-shown.topLeft()));
        return reader.read();
    }
    // Only a JPEG is decoded smaller; anything else whole, never at the size shown.
    if (reader.format() == "jpeg")
        reader.setScaledSize(decodedSize(reader, reader.size(), shown.size()));
    const QImage whole = reader.read();
    if (whole.isNull())
        return whole;
    QImage part(visible.size(), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    QPainter painter(&part);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(shown.translated(-visible.topLeft())), whole);
    return part;
}

// The turn EXIF data asks for, as a map from the picture as stored, scaled to `size`, to as shown.
QTransform turnOf(QImageIOHandler::Transformations turn, QSize size)
{
    QTransform map;
    if (turn & QImageIOHandler::TransformationMirror)
        map *= QTransform(-1, 0, 0, 1, size.width(), 0);
    if (turn & QImageIOHandler::TransformationFlip)
        map *= QTransform(1, 0, 0, -1, 0, size.height());
    if (turn & QImageIOHandler::TransformationRotate90)
        map *= QTransform(0, 1, -1, 0, size.height(), 0);
    return map;
}

QImage turned(const QImage &image, QImageIOHandler::Transformations turn)
{
    const QImage mirrored = image.mirrored(turn & QImageIOHandler::TransformationMirror,
                                           turn & QImageIOHandler::TransformationFlip);
    return turn & QImageIOHandler::TransformationRotate90 ? mirrored.transformed(QTransform().rotate(90)) : mirrored;
}

} // namespace

Result<BackgroundPicture> BackgroundPicture::read(const QString &file, int style, QSize screen,
                                                  std::chrono::milliseconds mostTime)
{
    // Read through this one open as it is decoded: the file is never held whole beside the picture.
    const Result<std::unique_ptr<QFile>> opened = openFile(file, kMaxFileBytes);
    if (!opened)
        return std::unexpected(opened.error());
    if (!*opened)
        return fail(file, u"cannot read %1: there is no such file"_s.arg(file));
    QIODevice &device = **opened;
    const QByteArray format = QImageReader::imageFormat(&device);
    const qint64 bound = bytesOf(screen) + kDecodedMargin;
    if (format == "svg" || format == "svgz") {
        const QByteArray bytes = device.read(kMaxSvgBytes + 1);
        if (bytes.size() > kMaxSvgBytes)
            return fail(file, u"cannot use %1: it is larger than %2 MB"_s.arg(file).arg(kMaxSvgBytes >> 20));
        // Neither what unpacking and reading an SVG takes nor how long its drawing does is bounded
        // by its size: it is made apart, with a time and a memory of its own, its screen's image and
        // its elements.
        return madeApart(file, ApartBounds{mostTime, bound, kMaxBytes + 64}, [&]() -> Result<BackgroundPicture> {
            Result<QByteArray> safe = safeSvg(bytes, file);
            if (!safe)
                return std::unexpected(safe.error());
            QBuffer buffer(&*safe);
            buffer.open(QIODevice::ReadOnly);
            return decode(file, buffer, "svg", style, screen);
        });
    }
    const JpegScans jpeg = format == "jpeg" ? jpegScans(device, kMaxFileBytes) : JpegScans();
    if (jpeg.coefficientBytes > bound)
        return fail(file, u"cannot use %1: in %2 scans it would take %3 MB to decode, more than %4 MB on this "
                          "screen"_s.arg(file).arg(jpeg.scans).arg(jpeg.coefficientBytes >> 20).arg(bound >> 20));
    if (jpeg.scans <= 1)
        return decode(file, device, format, style, screen);
    // Each scan goes over the whole picture again: it is made apart, holding its coefficients and
    // its image, decoded at up to twice the size shown a side.
    const ApartBounds bounds{mostTime, bound + jpeg.coefficientBytes + 4 * bytesOf(screen), kMaxBytes + 64};
    return madeApart(file, bounds, [&] { return decode(file, device, format, style, screen); });
}

Result<BackgroundPicture> BackgroundPicture::madeApart(const QString &file, const ApartBounds &bounds,
                                                       const std::function<Result<BackgroundPicture>()> &make)
{
    const auto work = [&](const ApartSend &send) -> Result<bool> {
        const Result<BackgroundPicture> picture = make();
        if (!picture)
            return std::unexpected(picture.error());
        return picture->send(send);
    };
    const Result<QByteArray> made = doApart(work, bounds);
    if (!made && made.error().subject().isEmpty())
        return fail(file, u"cannot read %1: %2"_s.arg(file, made.error().reason()));
    if (!made)
        return std::unexpected(made.error());
    return unpacked(*made, file);
}

Result<BackgroundPicture> BackgroundPicture::decode(const QString &file, QIODevice &device, const QByteArray &format,
                                                    int style, QSize screen)
{
    DecoderMessages messages;
    const StandardErrorSilenced quiet;
    // Qt's reader is given only what makes a PNG's or JPEG's pixels; the checks read the file itself.
    PictureData data(device, format);
    QImageReader reader(format == "png" || format == "jpeg" ? &data : &device, format);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(int(kMaxBytes >> 20));
    if (format.isEmpty() || !reader.canRead())
        return fail(file, u"cannot read %1: it is not a picture in a format Marvane reads"_s.arg(file));
    if (const Result<> readable = checkHeader(reader, file, screen); !readable)
        return std::unexpected(readable.error());
    if (!pictureIsWhole(device, reader.format()))
        return fail(file, u"cannot read %1: the picture is cut short or damaged"_s.arg(file));
    // The turn its EXIF data asks for comes after the scaling, so the scaling is asked of the
    // picture as stored.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize stored = reader.size();
    const Placement place = placementOf(style, turned ? stored.transposed() : stored, screen);
    const QRect shown(place.position, place.size);
    const QSize decoded = decodedSize(reader, stored, turned ? place.size.transposed() : place.size);
    const qint64 bound = bytesOf(screen) + kDecodedMargin;
    if (reader.format() == "jpeg" && bytesOf(decoded) > bound)
        return partOfJpeg(device, file, reader.transformation(), shown, screen, style == Tile);
    const bool huge = place.size.width() > 2 * screen.width() || place.size.height() > 2 * screen.height() ||
                      bytesOf(place.size) > bound;
    if (style != Tile && huge) {
        const QRect visible = shown & QRect(QPoint(), screen);
        const QImage part = visiblePart(reader, shown, visible);
        if (part.isNull())
            return fail(file, u"cannot read %1: %2%3"_s.arg(file, reader.errorString(), messages.first()));
        return BackgroundPicture(part, visible, false);
    }
    if (decoded != stored)
        reader.setScaledSize(decoded);
    QImage image = reader.read();
    if (image.isNull())
        return fail(file, u"cannot read %1: %2%3"_s.arg(file, reader.errorString(), messages.first()));
    // Painted scaled, 16 bits a channel would be made again at the size shown.
    if (image.depth() > 32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    // Tiles repeat the picture as it is; a picture shrunk by more than half is scaled smoothly here.
    const bool paintScaled = style != Tile && image.width() < 2 * place.size.width() &&
                             image.height() < 2 * place.size.height();
    if (image.size() != place.size && !paintScaled)
        image = image.scaled(place.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return BackgroundPicture(std::move(image), shown, style == Tile);
}

// Even decoded in eighths a JPEG just short of twice the size shown, or shown at a size many times the
// screen, would take more than the screen's bound: only its part on the screen is made, row by row.
Result<BackgroundPicture> BackgroundPicture::partOfJpeg(QIODevice &device, const QString &file,
                                                        QImageIOHandler::Transformations turn, QRect shown,
                                                        QSize screen, bool tiled)
{
    const QRect visible = shown & QRect(QPoint(), screen);
    const QSize stored = turn & QImageIOHandler::TransformationRotate90 ? shown.size().transposed() : shown.size();
    const QRect part =
        turnOf(turn, stored).inverted().mapRect(QRectF(visible.translated(-shown.topLeft()))).toAlignedRect();
    if (!device.seek(0))
        return fail(file, u"cannot read %1: %2"_s.arg(file, device.errorString()));
    const Result<QImage> image = readScaledJpeg(device, stored, part, file);
    if (!image)
        return std::unexpected(image.error());
    return BackgroundPicture(turned(*image, turn), visible, tiled);
}

// Where it is shown, whether it is tiled, and the image, with its size and form, then its rows.
bool BackgroundPicture::send(const ApartSend &send) const
{
    const QImage image = m_image.colorCount() > 0 ? m_image.convertToFormat(QImage::Format_ARGB32) : m_image;
    const qint32 header[] = {m_shown.x(), m_shown.y(), m_shown.width(), m_shown.height(), m_tiled,
                             image.width(), image.height(), image.format()};
    return send(QByteArrayView(reinterpret_cast<const char *>(header), sizeof header)) &&
           send(QByteArrayView(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
}

Result<BackgroundPicture> BackgroundPicture::unpacked(const QByteArray &packed, const QString &file)
{
    qint32 h[8] = {};
    if (packed.size() >= qsizetype(sizeof h))
        std::memcpy(h, packed.constData(), sizeof h);
    const QSize size(h[5], h[6]);
    const bool sized = size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide && size.height() <= kMaxSide &&
                       bytesOf(size) <= kMaxBytes && h[7] > QImage::Format_Invalid && h[7] < QImage::NImageFormats;
    const QImage shape = sized ? QImage(1, size.height(), QImage::Format(h[7])) : QImage();
    const qsizetype rowBytes = shape.isNull() ? 0 : QImage(size.width(), 1, shape.format()).bytesPerLine();
    if (shape.isNull() || shape.colorCount() > 0 || packed.size() != qsizetype(sizeof h) + rowBytes * size.height())
        return fail(file, u"cannot read %1: the process that read it answered in a form it does not make"_s.arg(file));
    // The image is the answer's own bytes, held as long as the image is.
    auto *held = new QByteArray(packed);
    const QImage image(reinterpret_cast<const uchar *>(held->constData()) + sizeof h, size.width(), size.height(),
                       rowBytes, shape.format(), [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, held);
    return BackgroundPicture(std::move(image), QRect(h[0], h[1], h[2], h[3]), h[4] != 0);
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
