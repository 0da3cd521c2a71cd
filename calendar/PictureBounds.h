#pragma once

#include "platform/Result.h"

#include <QImageReader>
#include <QSize>
#include <QString>

namespace marvane {

// What a picture may take once decoded beyond the screen itself: a JPEG is decoded scaled down,
// anything else whole.
constexpr qint64 kDecodedMargin = qint64(48) << 20;

inline qint64 bytesOf(QSize size)
{
    return qint64(size.width()) * size.height() * 4;
}

// The size to ask `reader` for, of a picture stored at `stored` and shown at `shown`.
QSize decodedSize(const QImageReader &reader, QSize stored, QSize shown);

// Whether the picture may be read on a screen of `screen` size, judged from its header: its sides,
// and what reading it would take beside the screen.
Result<> checkHeader(QImageReader &reader, const QString &file, QSize screen);

} // namespace marvane
