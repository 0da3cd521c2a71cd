#pragma once

#include <QImage>
#include <QIODevice>
#include <QString>

namespace marvane {

// Writes a picture as an uncompressed 24-bit BMP (bottom-up rows, each padded to four bytes), in
// large chunks. Empty on success, else why not.
QString writeBmp24(const QImage &image, QIODevice &device);

} // namespace marvane
