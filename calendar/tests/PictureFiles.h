#pragma once

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace marvane::test {

// The screen the picture tests paint, and the desktop's colour around a picture.
constexpr QSize kScreen(300, 200);
constexpr QRgb kDesktop = qRgb(1, 2, 3);

inline QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, format, quality);
    return bytes;
}

// A file of these bytes in `dir`.
inline QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes, const char *name)
{
    const QString file = dir.filePath(QString::fromLatin1(name));
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return file;
}

} // namespace marvane::test
