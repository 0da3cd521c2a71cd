#pragma once

#include <QByteArray>

class QIODevice;

namespace marvane {

// Whether a picture file of `format` (as QImageReader names it) holds all that its header
// promises, all of it within the picture (a GIF's first frame within its screen). Qt's readers paint
// what is missing grey or leave it out rather than fail, so such a file is caught here. Formats it
// does not know are taken as whole. Reads only the file's start and end, and leaves `device` where
// it was.
bool pictureIsWhole(QIODevice &device, const QByteArray &format);

} // namespace marvane
