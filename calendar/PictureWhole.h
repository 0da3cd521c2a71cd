#pragma once

#include <QByteArray>

namespace marvane {

// Whether a picture file of `format` (as QImageReader names it) holds all that its header
// promises, all of it within the picture (a GIF's first frame within its screen). Qt's readers paint
// what is missing grey or leave it out rather than fail, so such a file is caught here. Formats it
// does not know are taken as whole.
bool pictureIsWhole(const QByteArray &bytes, const QByteArray &format);

} // namespace marvane
