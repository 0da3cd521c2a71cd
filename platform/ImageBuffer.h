#pragma once

#include <QImage>

namespace marvane {

// A screen-sized RGB32 image in a mapping of its own, backed by memory only where it is written.
QImage allocateImage(int width, int height);

} // namespace marvane
