#pragma once

#include "platform/Result.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QIODevice;

namespace marvane {

// A JPEG, read through `device` from where it stands, decoded as if scaled to `size` and cut to
// `part` of that (both as the picture is stored, before any turn), made row by row: it holds the
// part and a few rows, never the whole picture nor the file, so a picture just short of twice the
// size shown costs what the part does. Rows and columns outside the part are skipped, not decoded.
// Fails with `file` and the library's reason on a damaged or cut short picture.
Result<QImage> readScaledJpeg(QIODevice &device, QSize size, QRect part, const QString &file);

} // namespace marvane
