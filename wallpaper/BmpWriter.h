#pragma once

#include "platform/Result.h"

#include <QImage>
#include <QIODevice>
#include <QString>

namespace marvane {

// Writes a picture as an uncompressed 24-bit BMP (bottom-up rows, each padded to four bytes), in
// large chunks. The error names no file: the caller knows which one the device is.
Result<> writeBmp24(const QImage &picture, QIODevice &device);

} // namespace marvane
