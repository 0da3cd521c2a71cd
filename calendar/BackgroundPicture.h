#pragma once

#include "calendar/Canvas.h"
#include "platform/Result.h"
#include "platform/WorkApart.h"

#include <QIODevice>
#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QPoint>
#include <QSize>
#include <QString>

#include <chrono>
#include <functional>

namespace marvane {

// The user's own picture under the calendar, read once at the size it is shown on a screen.
class BackgroundPicture
{
public:
    // How it covers the screen; the numbers are the ones options.ini stores.
    enum Style { Fill = 0, Fit = 1, Centre = 2, Stretch = 3, Tile = 4 };

    // No side may be larger, nor the picture take more memory once read.
    static constexpr int kMaxSide = 16384;
    static constexpr qint64 kMaxBytes = qint64(256) << 20;
    static constexpr qint64 kMaxFileBytes = qint64(128) << 20;
    static constexpr std::chrono::milliseconds kMostTime{5000};

    // Reads `file` (PNG, JPEG, WebP, BMP, GIF's first frame, TIFF, SVG; turned as its EXIF data
    // says) scaled for a screen of `screen` size, from one open of the file; of a picture many
    // times the screen, and of a JPEG too large to decode whole, only the part on it is made, and
    // an SVG reads no other file. Refuses with the reason a file that is missing, unreadable, not
    // a regular file, not a picture Qt reads, too large, or cut short.
    // An SVG, whose drawing no size bounds, and a JPEG in many scans are made in a process of
    // their own, stopped after `mostTime`.
    static Result<BackgroundPicture> read(const QString &file, int style, QSize screen,
                                          std::chrono::milliseconds mostTime = kMostTime);

    // The file name filter of the formats that can be read, for a file dialog.
    static QString fileFilter();

    // Paints it over the canvas, which holds the desktop colour.
    void paint(Canvas &canvas) const;

private:
    static Result<BackgroundPicture> decode(const QString &file, QIODevice &device, const QByteArray &format,
                                            int style, QSize screen);
    static Result<BackgroundPicture> madeApart(const QString &file, const ApartBounds &bounds,
                                               const std::function<Result<BackgroundPicture>()> &make);
    static Result<BackgroundPicture> partOfJpeg(QIODevice &device, const QString &file,
                                                QImageIOHandler::Transformations turn, QRect shown, QSize screen,
                                                bool tiled);
    // As the process that made it hands it back.
    bool send(const ApartSend &send) const;
    static Result<BackgroundPicture> unpacked(const QByteArray &packed, const QString &file);

    BackgroundPicture(QImage image, QRect shown, bool tiled)
        : m_image(std::move(image)), m_shown(shown), m_tiled(tiled)
    {
    }

    QImage m_image; // the size shown, a JPEG at most twice that (scaled as it is painted), or the part on the screen
    QRect m_shown;
    bool m_tiled = false;
};

} // namespace marvane
